// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "extras/links.h"

#include "extras/maker.h"

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QVariant>

namespace ravelin::extras {

QString donationRequest(const Donation& donation) {
    const QString returnAddress = QString::fromLatin1(QUrl::toPercentEncoding(donation.webSite));
    const QStringList fields = {
        QStringLiteral("bn="),
        QStringLiteral("cmd=_xclick"),
        QStringLiteral("business=") + donation.salesEmail,
        QStringLiteral("item_name=") + donation.itemName,
        QStringLiteral("item_number=0000"),
        QStringLiteral("amount=5.00"),
        QStringLiteral("currency_code=USD"),
        QStringLiteral("undefined_quantity=1"),
        QStringLiteral("image_url="),
        QStringLiteral("return=") + returnAddress,
        QStringLiteral("cancel_return=") + returnAddress,
        QStringLiteral("submit.x=47"),
        QStringLiteral("submit.y=20"),
    };
    return QStringLiteral("https://") + donation.serviceHost + QStringLiteral("/cgi-bin/webscr?") +
           fields.join(QLatin1Char('&'));
}

QString makerDonationRequest() {
    return donationRequest({QString::fromLatin1(kServiceHost),
                            QString::fromUtf8(maker::kSalesEmail),
                            QString::fromUtf8(maker::kDonationItemName), makerHomePage()});
}

QString makerHomePage() {
    return QString::fromUtf8(maker::kWebSite);
}

QString otherSoftwarePage() {
    QString page = makerHomePage();
    if (!page.endsWith(QLatin1Char('/'))) {
        page += QLatin1Char('/');
    }
    return page;
}

QString merchantSignupPage() {
    return QStringLiteral("https://") + QString::fromLatin1(kServiceHost) +
           QStringLiteral("/mrb/pal=") + QString::fromUtf8(maker::kReferralId);
}

QString makerEmail() {
    return QString::fromUtf8(maker::kEmail);
}

QString tagAddress(const QObject* control) {
    return control->property("Tag").toString();
}

} // namespace ravelin::extras
