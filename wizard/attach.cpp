// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/attach.h"

#include "common/clicklabel.h"
#include "common/placement.h"
#include "extras/frmabout.h"
#include "extras/links.h"
#include "extras/samples.h"
#include "extras/shell.h"
#include "objectmodel/paste.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

namespace ravelin::extras {

namespace {

const QString kWiringName = QStringLiteral("extrasWiring");

// Gives a widget without a click event of its own (a plain picture) one: a left-button
// release over it.
class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* target, std::function<void()> handler)
        : QObject(target), handler_(std::move(handler)) {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const auto* widget = static_cast<QWidget*>(watched);
            if (mouse->button() == Qt::LeftButton &&
                widget->rect().contains(mouse->position().toPoint())) {
                handler_();
            }
        }
        return false;
    }

private:
    std::function<void()> handler_;
};

// Holds what the wiring needs beyond the controls: the editor and the one About window.
class Wiring : public QObject {
public:
    Wiring(QWidget* window, objectmodel::Application* editor)
        : QObject(window), window_(window), editor_(editor) {
        setObjectName(kWiringName);
    }

    // Runs `handler` on each click of the named control: a push button, a clickable label, or
    // any other widget (a plain picture).
    template <typename Handler> void onClick(const char* name, Handler handler) {
        QObject* control = window_->findChild<QObject*>(QLatin1String(name));
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            connect(button, &QAbstractButton::clicked, this, [handler] { handler(); });
        } else if (auto* label = qobject_cast<common::ClickLabel*>(control)) {
            connect(label, &common::ClickLabel::clicked, this, handler);
        } else if (auto* widget = qobject_cast<QWidget*>(control)) {
            new ClickFilter(widget, handler);
        } else {
            qWarning("The wizard window has no clickable control named %s", name);
        }
    }

    // Opens the address the control keeps in its Tag.
    void onClickOpenTag(const char* name) {
        QObject* control = window_->findChild<QObject*>(QLatin1String(name));
        onClick(name, [control = QPointer<QObject>(control)] {
            if (control.isNull()) {
                return;
            }
            const QString address = tagAddress(control);
            if (!address.isEmpty()) {
                OpenAddress(address);
            }
        });
    }

    void showPointingHand(const char* name) {
        auto* control = window_->findChild<QWidget*>(QLatin1String(name));
        if (auto* label = qobject_cast<common::ClickLabel*>(control)) {
            label->setLink(true);
        } else if (control != nullptr) {
            control->setCursor(Qt::PointingHandCursor);
        }
    }

    void showAbout() {
        if (about_.isNull()) {
            about_ = new FrmAbout(window_);
            common::placeOver(about_, window_);
        }
        about_->show();
        about_->raise();
        about_->activateWindow();
    }

    void paste(const QString& html) { objectmodel::pasteHTML(editor_, html); }

private:
    QWidget* window_;
    objectmodel::Application* editor_;
    QPointer<FrmAbout> about_;
};

} // namespace

void attach(QWidget* frmStartup, objectmodel::Application* editor) {
    if (frmStartup->findChild<QObject*>(kWiringName, Qt::FindDirectChildrenOnly) != nullptr) {
        return; // wired already: a second wiring would open and paste everything twice
    }
    auto* wiring = new Wiring(frmStartup, editor);

    wiring->onClick("Label26", [wiring] { wiring->showAbout(); });
    wiring->onClick("Image1", [] { OpenAddress(makerHomePage()); });
    wiring->onClick("btnOther", [] { OpenAddress(otherSoftwarePage()); });
    wiring->onClick("btnAbout", [] { OpenAddress(merchantSignupPage()); });
    wiring->onClick("btnPleaseDonate", [] { OpenAddress(makerDonationRequest()); });
    for (const char* name : {"lblPolicy", "Label20", "Image3", "Label21", "Image4", "Label23"}) {
        wiring->onClickOpenTag(name);
    }
    for (const char* name :
         {"Label26", "lblPolicy", "Label20", "Image3", "Label21", "Image4", "Label23"}) {
        wiring->showPointingHand(name);
    }

    wiring->onClick("btnBuyNow", [wiring] { wiring->paste(buyNowSample()); });
    wiring->onClick("btnShoppingCart", [wiring] { wiring->paste(shoppingCartSample()); });
    wiring->onClick("btnSubscriptions", [wiring] { wiring->paste(subscriptionSample()); });
}

} // namespace ravelin::extras
