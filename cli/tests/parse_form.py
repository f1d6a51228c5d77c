#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Parses buttons written by ravelin-button with Python's HTML parser, which follows the
browsers' rules for attributes and character references, and checks that names, the account
and a custom image address holding markup characters come back exactly as typed.

With --posted [CHOICES], reads one button from standard input instead and writes what its form
posts as JSON: {"forms": count, "action": address, "hidden": [[name, value], ...],
"posted": [[name, value], ...], "images": [src, ...]}. "posted" is the whole form data set in
the order of the document, as a browser sends it: the hidden fields, each menu's chosen option
and each text box's text. CHOICES, a JSON object, says what the buyer chose or typed by the
control's name ({"os0": "Large", "os2": "Ada"}); a menu not named posts its first option, a text
box not named posts nothing typed."""

import html.parser
import json
import subprocess
import sys

NAME = 'Tom\'s "Big" <b>Gnome</b> & Co &amp; sons'
ACCOUNT = 'a"b&c<d>@example.com'
IMAGE = 'https://shop.example/b.gif?x=1&y="2"<>'

# type, name key, custom image option and address key, visible label before the name
CASES = [
    ("buy-now", "txtItemNameBN", ("optBN", 8, "txtButtonURLBN"), "Item Name: "),
    ("add-to-cart", "txtItemNameATC", ("optImageButtonATC", 5, "txtButtonURLATC"), "Item Name: "),
    ("donate", "txtItemNameDON", ("optDON", 4, "txtButtonURLDON"), None),
    ("subscribe", "txtItemNameSUB", ("optSUB", 8, "txtButtonURLSUB"), "Subscription Name: "),
]


class FormReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.forms = 0
        self.hidden = {}
        self.images = []
        self.text = ""
        self.in_form = False
        self.text_before_form = ""
        self.action = None
        self.posted = []
        self.data_set = []
        self.choices = {}
        self.select = None  # the name and options of the menu being read
        self.option = None  # the value of the option being read, and its text
        self.labels = 0

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if tag == "form":
            self.forms += 1
            self.in_form = True
            self.text_before_form = self.text
            self.action = attributes.get("action")
        elif tag == "input" and attributes.get("type") == "hidden":
            assert self.in_form, "a hidden input outside the form"
            self.hidden[attributes["name"]] = attributes["value"]
            self.posted.append([attributes["name"], attributes["value"]])
            self.data_set.append([attributes["name"], attributes["value"]])
        elif tag == "input" and attributes.get("type") == "image":
            self.images.append(attributes["src"])
        elif tag == "input" and attributes.get("type") == "text":
            assert self.in_form and self.labels == 1, "a text box outside a label of the form"
            typed = self.choices.get(attributes["name"], "")
            assert len(typed) <= int(attributes["maxlength"]), "typed past the box's maxlength"
            self.data_set.append([attributes["name"], typed])
        elif tag == "select":
            assert self.in_form and self.labels == 1, "a menu outside a label of the form"
            self.select = (attributes["name"], [])
        elif tag == "option":
            assert self.select is not None, "an option outside a menu"
            self.option = [attributes["value"], ""]
        elif tag == "label":
            self.labels += 1
        elif tag not in ("br",):
            raise AssertionError(f"unexpected element <{tag}>")

    def handle_endtag(self, tag):
        if tag == "form":
            self.in_form = False
        elif tag == "option":
            self.select[1].append(self.option)
            self.option = None
        elif tag == "select":
            name, options = self.select
            values = [value for value, _ in options]
            chosen = self.choices.get(name, values[0] if values else None)
            assert chosen in values, f"{chosen!r} is not a choice of {name}"
            self.data_set.append([name, chosen])
            self.select = None
        elif tag == "label":
            self.labels -= 1
        elif tag != "br":
            raise AssertionError(f"unexpected end tag </{tag}>")

    def handle_data(self, data):
        if self.option is not None:
            self.option[1] += data
        else:
            self.text += data


def check(executable, button_type, name_key, image, label):
    option, custom, address_key = image
    answers = {name_key: NAME, option: custom, address_key: IMAGE}
    result = subprocess.run(
        [executable, button_type, "--answers", "-", "--account", ACCOUNT],
        input=json.dumps(answers).encode("utf-8"),
        capture_output=True,
        check=True,
    )
    reader = FormReader()
    reader.feed(result.stdout.decode("utf-8"))
    reader.close()
    assert reader.forms == 1, reader.forms
    assert reader.hidden["item_name"] == NAME, reader.hidden["item_name"]
    assert reader.hidden["business"] == ACCOUNT, reader.hidden["business"]
    assert reader.images == [IMAGE], reader.images
    if label is not None:
        first_line = reader.text_before_form.split("\r\n")[0]
        assert first_line == label + NAME, first_line


def posted(choices):
    reader = FormReader()
    reader.choices = choices
    reader.feed(sys.stdin.buffer.read().decode("utf-8"))
    reader.close()
    assert reader.labels == 0 and reader.select is None, "a label or menu left open"
    json.dump({"forms": reader.forms, "action": reader.action, "hidden": reader.posted,
               "posted": reader.data_set, "images": reader.images}, sys.stdout)


def main():
    if sys.argv[1] == "--posted":
        posted(json.loads(sys.argv[2]) if len(sys.argv) > 2 else {})
        return
    executable = sys.argv[1]
    for case in CASES:
        check(executable, *case)
        print(f"{case[0]}: ok")


if __name__ == "__main__":
    main()
