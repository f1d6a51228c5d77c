#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian package as a user gets it: built by CPack, unpacked into a folder of its own
# (dpkg-deb -x) and its programs run from there.
#
#   package_test.py --build DIR --source DIR --work DIR --version X.Y.Z --probe LIB
#                   --programs "a b c" --other-packages "x y" CHECK
#
# CHECK "build" makes the packages and unpacks them into WORK ("ravelin" into WORK/root, each
# other package into WORK/NAME-root); every other check reads them there.
import argparse
import configparser
import os
import pathlib
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

ADDIN_NAME = "libravelin_addin.so"
MENU_ENTRY = "&PayPal Purchase Button Wizard"
# The entry in German, from the translation the package installs.
GERMAN_MENU_ENTRY = "&PayPal-Assistent für Zahlungsschaltflächen"
LANGUAGES = ("de", "fr")
CLSID = "{10F1B7B2-85C2-4904-B4F6-28DE6F1EDD23}"

# The worked example of the README and the manual page.
GNOME = ('{"txtItemNameBN": "Garden Gnome", "txtItemIDBN": "GN-7", "txtPriceBN": "25",\n'
         ' "cmbCurrencyBN": "Euro (EUR)", "txtBaseShippingBN": "5.00"}\n')
ACCOUNT = "seller@example.com"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def run(command, *, env=None, input=None, cwd=None, timeout=120):
    """Runs a command; its output as text, line breaks as written (CR LF stays CR LF)."""
    done = subprocess.run([str(part) for part in command], env=env, input=input, cwd=cwd,
                          capture_output=True, timeout=timeout)
    done.stdout = done.stdout.decode("utf-8", "replace")
    done.stderr = done.stderr.decode("utf-8", "replace")
    return done


class Package:
    def __init__(self, args):
        self.args = args
        self.work = pathlib.Path(args.work)
        self.root = self.work / "root"
        self.control = self.work / "control"
        self.arch = run(["dpkg", "--print-architecture"]).stdout.strip()
        self.multiarch = run(["dpkg-architecture", "-qDEB_HOST_MULTIARCH"]).stdout.strip()
        self.deb = self.work / f"ravelin_{args.version}_{self.arch}.deb"
        self.others = args.other_packages.split()
        self.bin = self.root / "usr/bin"
        self.addin = self.root / "usr/lib" / self.multiarch / "ravelin" / ADDIN_NAME
        self.programs = args.programs.split()

    # A home of its own for one run: an empty user config folder and a runtime folder.
    def environment(self, scratch, system_dirs):
        env = dict(os.environ)
        for name in ("RAVELIN_REGISTRY_SCOPE", "LD_PRELOAD", "DISPLAY", "WAYLAND_DISPLAY",
                     "LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            env.pop(name, None)
        (scratch / "home").mkdir(exist_ok=True)
        runtime = scratch / "runtime"
        runtime.mkdir(mode=0o700, exist_ok=True)
        env.update({
            "HOME": str(scratch / "home"),
            "XDG_CONFIG_HOME": str(scratch / "config"),
            "XDG_CONFIG_DIRS": ":".join(str(d) for d in system_dirs),
            "XDG_RUNTIME_DIR": str(runtime),
            "QT_QPA_PLATFORM": "offscreen",
            # The programs speak English unless a check asks for another language.
            "LANG": "C.UTF-8",
            # The update check switched off, the one way every test does it.
            "RAVELIN_UPDATE_CHECK": "off",
        })
        return env

    def other_deb(self, name):
        return self.work / f"{name}_{self.args.version}_{self.arch}.deb"

    def other_root(self, name):
        return self.work / f"{name}-root"

    def files(self, root=None):
        root = root or self.root
        return sorted(p for p in root.rglob("*") if p.is_file() or p.is_symlink())


def registration(root_key, library):
    """Every value the add-in's registration holds, as regsvr writes it."""
    addin = f"{root_key}/Software/Microsoft/Office/FrontPage/Addins/RAVELIN.template"
    classes = f"{root_key}/Software/Classes"
    return {
        f"{addin}/FriendlyName": "Ravelin Website Payments",
        f"{addin}/Description": "Create PayPal Purchase Buttons",
        f"{addin}/LoadBehavior": "3",
        f"{classes}/RAVELIN.template/CLSID/@": CLSID,
        f"{classes}/CLSID/{CLSID}/InprocServer32/@": str(library),
    }


def read_registry(path):
    """The values of a registry file as QSettings keeps them: one INI group per root key, the
    subkeys joined with backslashes, "{", "}" and "@" escaped."""
    parser = configparser.RawConfigParser(delimiters=("=",), interpolation=None)
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    values = {}
    for section in parser.sections():
        for key, value in parser.items(section):
            key = key.replace("\\", "/").replace("%7B", "{").replace("%7D", "}")
            values[f"{section}/{key}".replace("%40", "@")] = value
    return values


def write_registry(path, values):
    """Writes values as regsvr would, for a run without the root that regsvr --system needs."""
    groups = {}
    for key, value in values.items():
        root, rest = key.split("/", 1)
        rest = rest.replace("{", "%7B").replace("}", "%7D").replace("@", "%40")
        groups.setdefault(root, []).append(f"{rest.replace('/', chr(92))}={value}")
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text("".join(f"[{root}]\n" + "\n".join(sorted(lines)) + "\n\n"
                            for root, lines in groups.items()), encoding="utf-8")


def as_other_user():
    """How to run a command as someone other than root: directly when not root, else through
    setpriv as the user nobody; None when that is not possible here."""
    if os.geteuid() != 0:
        return []
    setpriv = shutil.which("setpriv")
    return [setpriv, "--reuid=nobody", "--regid=nogroup", "--clear-groups"] if setpriv else None


# --- Checks ---------------------------------------------------------------------------------

def check_build(package):
    args = package.args
    shutil.rmtree(package.work, ignore_errors=True)
    package.work.mkdir(parents=True)
    made = run(["cpack", "-G", "DEB", "--config", pathlib.Path(args.build) / "CPackConfig.cmake",
                "-B", package.work], cwd=package.work, timeout=600)
    check(made.returncode == 0, f"cpack failed:\n{made.stdout}\n{made.stderr}")
    debs = sorted(package.work.glob("*.deb"))
    expected = sorted([package.deb] + [package.other_deb(name) for name in package.others])
    check(debs == expected, f"expected {[d.name for d in expected]}, made {[d.name for d in debs]}")
    unpacking = [("-x", package.deb, package.root), ("-e", package.deb, package.control)]
    unpacking += [("-x", package.other_deb(name), package.other_root(name))
                  for name in package.others]
    for option, deb, folder in unpacking:
        unpacked = run(["dpkg-deb", option, deb, folder])
        check(unpacked.returncode == 0, unpacked.stderr)
    for deb in debs:
        print(run(["dpkg-deb", "--info", deb]).stdout)


def check_contents(package):
    files = [str(p.relative_to(package.root)) for p in package.files()]
    allowed = (
        "usr/bin/",
        f"usr/lib/{package.multiarch}/ravelin/",
        "usr/share/applications/",
        "usr/share/metainfo/",
        "usr/share/icons/hicolor/",
        "usr/share/man/man1/",
        "usr/share/bash-completion/completions/",
        "usr/share/doc/ravelin/",
        "usr/share/ravelin/",
    )
    stray = [f for f in files if not f.startswith(allowed)]
    check(not stray, f"files outside the package's folders: {stray}")

    programs = sorted(p.name for p in package.bin.iterdir())
    check(programs == sorted(package.programs),
          f"usr/bin holds {programs}, the installed programs are {sorted(package.programs)}; "
          "tests, benchmarks and picture tools stay in the build")
    for program in programs:
        check((package.root / f"usr/share/man/man1/{program}.1.gz").is_file(),
              f"{program} has no manual page")
    check(package.addin.is_file(), f"no add-in at {package.addin.relative_to(package.root)}")
    check(oct(package.addin.stat().st_mode & 0o777) == "0o644",
          "the add-in library is a plug-in: readable, not executable")
    for language in LANGUAGES:
        translation = package.root / f"usr/share/ravelin/translations/ravelin_{language}.qm"
        check(translation.is_file(), f"no {translation.relative_to(package.root)}")
    for doc in ("copyright", "changelog.gz"):
        check((package.root / "usr/share/doc/ravelin" / doc).is_file(), f"no {doc}")
    copyright_text = (package.root / "usr/share/doc/ravelin/copyright").read_text()
    check(copyright_text.startswith(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"),
        "the copyright file is not in the machine-readable format")


def check_icons(package):
    hicolor = package.root / "usr/share/icons/hicolor"
    pngs = sorted(hicolor.glob("*/apps/*.png"))
    check(len(pngs) >= 4, f"too few icon sizes: {pngs}")
    for png in pngs:
        header = png.read_bytes()[:24]
        check(header[:8] == b"\x89PNG\r\n\x1a\n", f"{png} is not a PNG")
        width, height = int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")
        check(png.parent.parent.name == f"{width}x{height}",
              f"{png.relative_to(hicolor)} is {width}x{height}")
    svgs = sorted(hicolor.glob("scalable/apps/*.svg"))
    check(len(svgs) == 1 and b"<svg" in svgs[0].read_bytes(), "no scalable icon")
    check({p.stem for p in pngs} == {svgs[0].stem}, "the sizes name different icons")


def check_no_build_paths(package):
    roots = [package.root] + [package.other_root(name) for name in package.others]
    for folder in {package.args.build, package.args.source}:
        needle = os.fsencode(os.path.realpath(folder))
        found = [str(p) for root in roots for p in package.files(root)
                 if needle in p.read_bytes()]
        check(not found, f"{folder} is written into {found}")


def check_kate_plugin(package):
    name = "ravelin-kate-plugin"
    if name not in package.others:
        print("SKIPPED: the Kate plugin is not built here (no KDE Frameworks 5)")
        return
    root = package.other_root(name)
    files = sorted(str(p.relative_to(root)) for p in package.files(root))
    check(files == [f"usr/lib/{package.multiarch}/qt5/plugins/ktexteditor/ravelinwizard.so",
                    f"usr/share/doc/{name}/changelog.gz", f"usr/share/doc/{name}/copyright"],
          f"{name} holds {files}")
    depends = run(["dpkg-deb", "-f", package.other_deb(name), "Depends"]).stdout
    check(f"ravelin (= {package.args.version})" in depends and "libkf5texteditor5" in depends,
          f"{name} depends on {depends}")
    check("kf5" not in run(["dpkg-deb", "-f", package.deb, "Depends"]).stdout.lower(),
          "the ravelin package needs KDE Frameworks")


def no_display():
    """The environment of a shell without a display: --help and --version need none."""
    env = dict(os.environ)
    for name in ("QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"):
        env.pop(name, None)
    return env


def check_version(package):
    env = no_display()
    for program, expected in (("ravelin-button", package.args.version),
                              ("page-editor", f"page-editor {package.args.version}"),
                              ("ravelin-wizard", f"ravelin-wizard {package.args.version}")):
        shown = run([package.bin / program, "--version"], env=env)
        check(shown.returncode == 0 and shown.stdout.strip() == expected,
              f"{program} --version: {shown.returncode} {shown.stdout!r} {shown.stderr!r}")


def check_worked_example(package):
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        env = package.environment(scratch, [scratch / "xdg"])
        (scratch / "gnome.json").write_text(GNOME)
        outputs = []
        for program in (package.bin / "ravelin-button",
                        pathlib.Path(package.args.build) / "bin/ravelin-button"):
            written = run([program, "buy-now", "--answers", "gnome.json", "--account", ACCOUNT],
                          env=env, cwd=scratch)
            check(written.returncode == 0 and not written.stderr,
                  f"{program}: {written.returncode} {written.stderr}")
            outputs.append(written.stdout)
    html = outputs[0]
    check(html.endswith("</form>") and "\r\n" in html, "the HTML does not end in </form>")
    for field in (f'name="business" value="{ACCOUNT}"', 'name="item_name" value="Garden Gnome"',
                  'name="currency_code" value="EUR"'):
        check(field in html, f"{field} is missing from\n{html}")
    check(outputs[0] == outputs[1], "the packaged program writes another button than the built one")


def editor_run(package, scratch, system_dirs, language=None):
    env = package.environment(scratch, system_dirs)
    if language:
        env["LANG"] = language
    env["LD_PRELOAD"] = package.args.probe
    # A sanitizer build's page-editor wants its runtime loaded first; the probe ahead of it is
    # harmless, as it replaces nothing the runtime does.
    env["ASAN_OPTIONS"] = ":".join(
        option for option in (env.get("ASAN_OPTIONS"), "verify_asan_link_order=0") if option)
    shown = run([package.bin / "page-editor"], env=env, timeout=60)
    check(shown.returncode == 0, f"page-editor ended with {shown.returncode}: {shown.stderr}")
    lines = shown.stdout.splitlines()
    report = {kind: [line.split(": ", 1)[1] for line in lines if line.startswith(kind + ": ")]
              for kind in ("insert", "library", "message")}
    print(shown.stdout)
    return report


def register_for_every_user(package, system_dir, library):
    """The system registration the package's postinst makes, made here for the unpacked root:
    by the unpacked regsvr --system when root, else written out as regsvr writes it."""
    if os.geteuid() == 0:
        made = run([package.bin / "regsvr", "--system", library],
                   env=dict(os.environ, XDG_CONFIG_DIRS=str(system_dir)))
        check(made.returncode == 0, made.stderr)
    else:
        write_registry(system_dir / "ravelin-registry.ini",
                       registration("HKEY_LOCAL_MACHINE", library))


def check_editor_system_registration(package):
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        system_dir = package.work / "system-registration" / "etc/xdg"
        shutil.rmtree(system_dir, ignore_errors=True)
        register_for_every_user(package, system_dir, package.addin)

        report = editor_run(package, scratch, [scratch / "nothing-here", system_dir])

        check(report["insert"][-1:] == [MENU_ENTRY], f"the Insert menu is {report['insert']}")
        check(report["insert"].count(MENU_ENTRY) == 1, "the wizard's entry is there twice")
        check(report["library"] == [str(package.addin)], f"loaded {report['library']}")
        check(not report["message"], f"the editor said {report['message']}")
        check(not (scratch / "config/ravelin-registry.ini").exists(),
              "starting the editor wrote a user registry")


def check_translations(package):
    """The installed editor and the add-in it loads speak the user's language."""
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        system_dir = package.work / "translations-registration" / "etc/xdg"
        shutil.rmtree(system_dir, ignore_errors=True)
        register_for_every_user(package, system_dir, package.addin)

        report = editor_run(package, scratch, [system_dir], language="de_DE.UTF-8")

        check(report["insert"][-1:] == [GERMAN_MENU_ENTRY],
              f"the Insert menu is {report['insert']}")
        check(not report["message"], f"the editor said {report['message']}")


def check_user_registration_wins(package):
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        system_dir = scratch / "etc-xdg"
        register_for_every_user(package, system_dir, package.addin)
        copy = scratch / "elsewhere" / ADDIN_NAME
        copy.parent.mkdir()
        shutil.copy(package.addin, copy)
        env = package.environment(scratch, [system_dir])
        made = run([package.bin / "regsvr", copy], env=env)
        check(made.returncode == 0, made.stderr)
        check(made.stdout == f"DllRegisterServer in {copy} succeeded.\n", made.stdout)

        report = editor_run(package, scratch, [system_dir])

        check(report["library"] == [str(copy)], f"loaded {report['library']}, not the user's")
        check(report["insert"].count(MENU_ENTRY) == 1, f"the Insert menu is {report['insert']}")
        check(not report["message"], f"the editor said {report['message']}")


def check_regsvr_system(package):
    regsvr = package.bin / "regsvr"
    library = str(package.addin)
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        first, second = scratch / "xdg-first", scratch / "xdg-second"
        env = package.environment(scratch, [first, second])
        registry = first / "ravelin-registry.ini"

        other_user = as_other_user()
        if other_user is None:
            print("SKIPPED the refusal: root without setpriv to become another user")
        else:
            for arguments in (["--system"], ["-u", "--system"]):
                refused = run(other_user + [regsvr] + arguments + [library], env=env)
                if refused.returncode in (126, 127):
                    print(f"SKIPPED the refusal: the user nobody cannot run {regsvr}")
                    break
                check(refused.returncode == 1 and refused.stdout == "" and
                      refused.stderr == "regsvr: --system registers for every user of this "
                      "machine and needs root; run it as root, e.g. with sudo\n",
                      f"regsvr {arguments} as another user: {refused}")
                check(not registry.exists(), "a refused run wrote the system registry")

        if os.geteuid() != 0:
            print("SKIPPED writing the system registry: only root may (the tests are not root)")
            return
        others = {"HKEY_LOCAL_MACHINE/Software/Classes/.html/@": "htmlfile"}
        write_registry(registry, others)
        made = run([regsvr, "--system", library], env=env)
        check(made.returncode == 0, made.stderr)
        check(made.stdout == f"DllRegisterServer in {library} succeeded for every user.\n",
              made.stdout)
        check(read_registry(registry) == {**others, **registration("HKEY_LOCAL_MACHINE", library)},
              f"the system registry holds {read_registry(registry)}")
        check(not (second / "ravelin-registry.ini").exists(), "the second folder was written")
        check(not (scratch / "config/ravelin-registry.ini").exists(), "the user's was written")
        removed = run([regsvr, "-u", "--system", library], env=env)
        check(removed.returncode == 0, removed.stderr)
        check(read_registry(registry) == others,
              f"after -u the system registry holds {read_registry(registry)}")


def check_maintainer_scripts(package):
    library = "/" + str(package.addin.relative_to(package.root))
    for script in ("postinst", "prerm", "postrm"):
        path = package.control / script
        check(path.is_file() and os.access(path, os.X_OK), f"no executable {script}")
        syntax = run(["sh", "-n", path])
        check(syntax.returncode == 0, f"{script}: {syntax.stderr}")
    for script, command in (("postinst", f'regsvr --system "{library}"'),
                            ("prerm", f'regsvr -u --system "{library}"')):
        check(command in (package.control / script).read_text(),
              f"{script} does not run {command}: the library is not where it registers it")


def check_desktop_entries(package):
    entries = sorted((package.root / "usr/share/applications").glob("*.desktop"))
    check(entries, "no desktop entry")
    for entry in entries:
        valid = run(["desktop-file-validate", entry])
        check(valid.returncode == 0 and not valid.stdout.strip(),
              f"{entry.name}: {valid.stdout}{valid.stderr}")
        fields = dict(line.split("=", 1) for line in entry.read_text().splitlines()
                      if "=" in line and not line.startswith("#"))
        program = fields["Exec"].split()[0]
        check((package.bin / program).is_file(), f"{entry.name} starts {program}, not installed")
        check(list((package.root / "usr/share/icons/hicolor").glob(f"*/apps/{fields['Icon']}.*")),
              f"{entry.name} shows the icon {fields['Icon']}, not installed")


def check_metainfo(package):
    files = sorted((package.root / "usr/share/metainfo").glob("*.metainfo.xml"))
    check(files, "no AppStream metainfo")
    for path in files:
        valid = run(["appstreamcli", "validate", "--no-net", "--explain", path])
        check(valid.returncode == 0, f"{path.name}:\n{valid.stdout}{valid.stderr}")
        check(not re.search(r"^[EW]:", valid.stdout, re.MULTILINE),
              f"{path.name}:\n{valid.stdout}")
        text = path.read_text()
        check(f'<release version="{package.args.version}"' in text, "not this release")
        launchable = re.search(r'<launchable type="desktop-id">([^<]+)<', text).group(1)
        check((package.root / "usr/share/applications" / launchable).is_file(),
              f"{launchable} is not installed")


def help_text(package, program):
    """What --help shows; for regsvr, which has none, its usage line."""
    shown = run([package.bin / program, "--help"], env=no_display())
    return shown.stdout if shown.returncode == 0 else shown.stderr


def check_manual_pages(package):
    for page in sorted((package.root / "usr/share/man").glob("man*/*.gz")):
        env = dict(os.environ, MANWIDTH="80")
        env.pop("MAN_KEEP_FORMATTING", None)
        rendered = run(["man", "--warnings", "-l", page], env=env)
        check(rendered.returncode == 0 and not rendered.stderr.strip(),
              f"{page.name} renders with warnings:\n{rendered.stderr}")
        text = re.sub(r"\u2010\s*\n\s*", "", rendered.stdout)  # words hyphenated at a line end
        program = page.name.split(".")[0]
        for section in ("NAME", "SYNOPSIS", "DESCRIPTION", "EXIT STATUS", "ENVIRONMENT",
                        "FILES", "EXAMPLES"):
            check(re.search(rf"^{section}$", text, re.MULTILINE), f"{page.name} has no {section}")
        if (package.bin / program).is_file():
            options = set(re.findall(r"(?<![\w-])--?[a-z][a-z-]*", help_text(package, program)))
            options -= {"-platform", "-style"}  # Qt's own, as --help-all lists them
            missing = sorted(o for o in options if not re.search(rf"(?<![\w-]){o}\b", text))
            check(not missing, f"{page.name} does not tell of {missing}")


def answer_keys(help_output):
    return set(re.findall(r"^    ([a-zA-Z0-9]+) ", help_output, re.MULTILINE)) | {"txtEmail"}


def check_manual_answer_keys(package):
    keys = answer_keys(help_text(package, "ravelin-button"))
    page = package.root / "usr/share/man/man1/ravelin-button.1.gz"
    text = run(["man", "-l", page], env=dict(os.environ, MANWIDTH="200")).stdout
    named = set(re.findall(r"\b(?:txt|cmb|opt)[A-Z][A-Za-z0-9]*\b", text))
    check(keys - named == set(), f"the manual page leaves out {sorted(keys - named)}")
    check(named - keys == set(), f"the manual page names keys there are not: {sorted(named - keys)}")


def check_bash_completion(package):
    script = package.root / "usr/share/bash-completion/completions/ravelin-button"
    check(script.is_file(), "no bash completion for ravelin-button")
    system = pathlib.Path("/usr/share/bash-completion/bash_completion")
    check(system.is_file(), "bash-completion is not installed here")
    # Each line as typed, completed at its end.
    options = ["--account", "--answers", "--audit", "--cert", "--cert-id", "--check", "--encrypt",
               "--from-html", "--help", "--json", "--key", "--key-passphrase-file", "--sandbox", "--service-cert",
               "--strict", "--summary", "--version"]
    cases = [
        ("ravelin-button ",
         ["add-to-cart", "buy-now", "donate", "payment-link", "subscribe", "view-cart"]),
        ("ravelin-button b", ["buy-now"]),
        ("ravelin-button --", options),
        ("ravelin-button buy-now --s", ["--sandbox", "--service-cert", "--strict", "--summary"]),
        ("ravelin-button buy-now ", options),
        ("ravelin-button buy-now txtItem", ["txtItemIDBN", "txtItemNameBN"]),
        ("ravelin-button view-cart opt", ["optVC"]),
        ("ravelin-button donate txtLogo", ["txtLogoATC"]),
        ("ravelin-button subscribe txtPrice", ["txtPrice2SUB", "txtPriceSUB"]),
        ("ravelin-button payment-link txtLink", ["txtLinkTextPL", "txtLinkURLPL"]),
        ("ravelin-button p", ["payment-link"]),
        ("ravelin-button subscribe --answers - <<< '{\"cmbT",
         ["'{\"cmbTerm2SUB", "'{\"cmbTermSUB"]),
        ("ravelin-button '{\"txtE", ["'{\"txtEmail", "'{\"txtExtraShippingBN"]),
        ("ravelin-button buy-now --answers ", ["-", "answers.json", "pages"]),
        ("ravelin-button buy-now --answers=an", ["answers.json"]),
        ("ravelin-button --account b", []),
        ("ravelin-button buy-now --encrypt --key an", ["answers.json"]),
        ("ravelin-button buy-now --encrypt --service-cert=an", ["answers.json"]),
        ("ravelin-button buy-now --cert-id A", []),
        ("ravelin-button --key answers.json b", ["buy-now"]),
        ("ravelin-button buy-now txtNothing", []),
        ("ravelin-button --from-html an", ["answers.json"]),
        ("ravelin-button --audit p", ["pages"]),
        ("ravelin-button --audit --json ", ["answers.json", "pages"]),
    ]
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        (scratch / "answers.json").write_text(GNOME)
        (scratch / "pages").mkdir()
        for line, expected in cases:
            # The words as bash makes them for completion: "=" stands alone, and a word opened
            # with a quote stays whole.
            words = [w for token in line.split(" ")
                     for w in ([token] if token[:1] in "'\"" else re.split(r"(=)", token)) if w]
            words += [""] if line.endswith(" ") else []
            words_text = " ".join("'" + w.replace("'", "'\\''") + "'" for w in words)
            program = f"""
                source {system}
                source {script}
                compopt() {{ :; }}  # only a completion that bash itself runs may set options
                PATH={package.bin}:$PATH
                COMP_WORDS=({words_text})
                COMP_CWORD=$((${{#COMP_WORDS[@]}} - 1))
                COMP_LINE={shlex.quote(line)}
                COMP_POINT=${{#COMP_LINE}}
                _ravelin_button ravelin-button "${{COMP_WORDS[COMP_CWORD]}}" \\
                    "${{COMP_WORDS[COMP_CWORD-1]}}"
                printf '%s\\n' "${{COMPREPLY[@]}}"
            """
            completed = run(["bash", "-c", program], cwd=scratch)
            got = sorted(reply for reply in completed.stdout.splitlines() if reply)
            check(got == sorted(expected), f"{line!r} completes {got}, not {sorted(expected)}"
                  f"{completed.stderr}")


def check_lintian(package):
    debs = [package.deb] + [package.other_deb(name) for name in package.others]
    linted = run(["lintian", "--info"] + debs, timeout=600)
    print(linted.stdout)
    tags = re.findall(r"^([EW]): [a-z0-9.+-]+(?: [a-z]+)?: (\S+)", linted.stdout, re.MULTILINE)
    errors = sorted({tag for kind, tag in tags if kind == "E"})
    check(not errors, f"lintian errors: {errors}")
    readme = (pathlib.Path(package.args.source) / "packaging/README.md").read_text()
    unexplained = sorted({tag for kind, tag in tags if kind == "W" and f"`{tag}`" not in readme})
    check(not unexplained,
          f"lintian warnings not explained in packaging/README.md: {unexplained}")


CHECKS = {name[len("check_"):].replace("_", "-"): function
          for name, function in globals().items() if name.startswith("check_") and name != "check"}


def main():
    parser = argparse.ArgumentParser()
    for option in ("build", "source", "work", "version", "probe", "programs", "other-packages"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("check", choices=sorted(CHECKS))
    args = parser.parse_args()
    try:
        CHECKS[args.check](Package(args))
    except Failure as failure:
        print(f"FAILED {args.check}: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
