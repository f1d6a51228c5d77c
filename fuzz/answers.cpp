// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// ravelin-button's answers reader on any bytes. What it accepts is an object whose keys and
// texts can all be typed (no control character but tab, CR and LF, no half of a surrogate
// pair), nested no deeper than it allows: written out again and read back, it is the same
// object. The accepted answers then go through every type's key table, writer and checker, the
// payment link's included.
#include "buttons/buttontypes.h"
#include "buttons/check.h"
#include "cli/answerfile.h"
#include "fuzz/support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace ravelin;

namespace {

bool typable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c <= 0x9F)) {
            return false;
        }
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            return false;
        }
    }
    return true;
}

// Requires every key and text in `value`, `depth` levels down, to be typable and no array or
// object in it to lie deeper than the reader allows.
void requireTypable(const QJsonValue& value, std::size_t depth) {
    if (value.isString()) {
        fuzz::require(typable(value.toString()), "an accepted text can be typed");
    } else if (value.isArray() || value.isObject()) {
        fuzz::require(depth <= cli::kMaxAnswersDepth, "an accepted answer is not nested too deep");
    }
    if (value.isArray()) {
        for (const QJsonValue item : value.toArray()) {
            requireTypable(item, depth + 1);
        }
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            fuzz::require(typable(it.key()), "an accepted key can be typed");
            requireTypable(it.value(), depth + 1);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const common::Result<QJsonObject> object = cli::parseAnswers(json, "the input");
    if (!object) {
        return 0;
    }
    requireTypable(*object, 1);
    const QByteArray again = QJsonDocument(*object).toJson(QJsonDocument::Compact);
    const common::Result<QJsonObject> reread = cli::parseAnswers(again, "the output");
    fuzz::require(reread.has_value(), "accepted answers written out are accepted again",
                  again.toStdString());
    fuzz::require(*reread == *object, "and read back the same", again.toStdString());

    buttons::forEachButtonType([&]<typename Type>() {
        typename Type::Answers answers;
        std::optional<std::string> email;
        if (cli::applyAnswers<Type>(*object, answers, email)) {
            buttons::Context context;
            context.account = email.value_or("seller@example.com");
            (void)Type::kWrite(answers, context);
            for (const buttons::Finding& finding : Type::kCheck(answers, context.account)) {
                fuzz::require(finding.message.find('\n') == std::string::npos,
                              "a finding is one line", finding.message);
            }
        }
    });

    // The payment link: an address its checker takes is, read by Qt's own URL parser, PayPal's
    // payment link and nothing else, and the link's HTML carries it whole.
    buttons::PaymentLinkAnswers link;
    std::optional<std::string> email;
    if (cli::applyAnswers<buttons::PaymentLink>(*object, link, email)) {
        const std::string html = buttons::writePaymentLink(link).html;
        fuzz::require(html.starts_with("<a href=\"") && html.ends_with("</a>"),
                      "a payment link is one link", html);
        const bool taken = std::ranges::none_of(
            buttons::checkPaymentLink(link),
            [](const buttons::Finding& finding) { return finding.control == "txtLinkURLPL"; });
        if (taken) {
            const QUrl url(QString::fromStdString(link.txtLinkURLPL), QUrl::StrictMode);
            const QString host = url.host();
            fuzz::require(
                url.isValid() && url.scheme() == "https" && url.userInfo().isEmpty() &&
                    url.port() == -1 && !url.hasFragment() &&
                    (host == "www.paypal.com" || host == "www.sandbox.paypal.com") &&
                    QRegularExpression("^/ncp/payment/[A-Za-z0-9]+$").match(url.path()).hasMatch(),
                "a payment link the checker takes is PayPal's", link.txtLinkURLPL);
        }
    }
    return 0;
}
