// SPDX-FileCopyrightText: 2026 The Ravelin Website Payments developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/menucommandbars.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace ravelin::editor {

namespace {

// A button on a menu: one menu entry. The entry belongs to the menu; this object only refers
// to it and carries the Click receiver while an add-in holds it.
class MenuButton : public objectmodel::CommandBarButton,
                   public std::enable_shared_from_this<MenuButton> {
public:
    static std::shared_ptr<MenuButton> create(QAction* action,
                                              MenuCommandBars::FailureReporter reportFailure) {
        auto button = std::shared_ptr<MenuButton>(new MenuButton(action));
        QObject::connect(
            action, &QAction::triggered, action,
            [weak = std::weak_ptr<MenuButton>(button), reportFailure = std::move(reportFailure)] {
                if (const auto self = weak.lock()) {
                    self->click(reportFailure);
                }
            });
        return button;
    }

    QString Caption() const override { return action().text(); }
    void setCaption(const QString& caption) override { action().setText(caption); }

    void Delete() override {
        QAction& entry = action();
        deleted_ = true;
        handler_ = nullptr;
        for (QObject* object : entry.associatedObjects()) {
            if (auto* widget = qobject_cast<QWidget*>(object)) {
                widget->removeAction(&entry);
            }
        }
        entry.deleteLater(); // Delete may run inside the entry's own Click
    }

    objectmodel::CommandBarButton* asButton() override { return this; }

    void setClick(ClickHandler handler) override {
        action();
        handler_ = std::move(handler);
    }

private:
    explicit MenuButton(QAction* action) : action_(action) {}

    QAction& action() const {
        if (deleted_ || action_.isNull()) {
            throw objectmodel::HostError(QCoreApplication::translate(
                "ravelin::editor::MenuCommandBars", "The menu entry has been deleted."));
        }
        return *action_;
    }

    void click(const MenuCommandBars::FailureReporter& reportFailure) {
        if (!handler_) {
            return;
        }
        const auto keepAlive = shared_from_this(); // the handler may release this button
        const ClickHandler handler = handler_;
        const QString caption = action_ ? action_->text() : QString();
        bool cancelDefault = false;
        try {
            handler(this, cancelDefault);
        } catch (const std::exception& error) {
            reportFailure(caption, QString::fromStdString(error.what()));
        } catch (...) {
            reportFailure(caption, QCoreApplication::translate("ravelin::editor::MenuCommandBars",
                                                               "unknown error"));
        }
    }

    QPointer<QAction> action_;
    bool deleted_ = false;
    ClickHandler handler_;
};

} // namespace

QString withoutAccessKeys(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            ++i;
            if (i == caption.size()) {
                break;
            }
        }
        plain += caption[i];
    }
    return plain;
}

namespace {

// A command bar's name, the same in every language, as add-ins ask for it: the menu's object name
// without its "mnu" ("Insert" of mnuInsert), or its title without access keys for a menu
// without such a name.
QString barName(const QMenu& menu) {
    const QString prefix = QStringLiteral("mnu");
    const QString name = menu.objectName();
    return name.startsWith(prefix) && name.size() > prefix.size() ? name.mid(prefix.size())
                                                                  : withoutAccessKeys(menu.title());
}

} // namespace

// One menu as a command bar, and its entries as the bar's controls.
class MenuCommandBars::Bar : public objectmodel::CommandBar,
                             public objectmodel::CommandBarControls {
public:
    Bar(QMenu* menu, MenuCommandBars::FailureReporter reportFailure)
        : menu_(menu), reportFailure_(std::move(reportFailure)) {}

    QString Name() const override { return barName(menu()); }
    objectmodel::CommandBarControls* Controls() override { return this; }

    int Count() const override { return static_cast<int>(menu().actions().size()); }

    std::shared_ptr<objectmodel::CommandBarControl> Add(objectmodel::MsoControlType type,
                                                        bool temporary) override {
        if (type != objectmodel::msoControlButton) {
            throw objectmodel::HostError(
                QCoreApplication::translate("ravelin::editor::MenuCommandBars",
                                            "The menu %1 takes only buttons.")
                    .arg(Name()));
        }
        auto* action = new QAction(&menu());
        action->setProperty("temporary", temporary);
        menu().addAction(action);
        return MenuButton::create(action, reportFailure_);
    }

private:
    QMenu& menu() const {
        if (menu_.isNull()) {
            throw objectmodel::HostError(QCoreApplication::translate(
                "ravelin::editor::MenuCommandBars", "The menu has been removed."));
        }
        return *menu_;
    }

    QPointer<QMenu> menu_;
    MenuCommandBars::FailureReporter reportFailure_;
};

MenuCommandBars::MenuCommandBars(QMenuBar* menuBar, FailureReporter reportFailure)
    : menuBar_(menuBar), reportFailure_(std::move(reportFailure)) {}

MenuCommandBars::~MenuCommandBars() = default;

objectmodel::CommandBar* MenuCommandBars::Item(const QString& name) {
    if (!menuBar_.isNull()) {
        for (QAction* entry : menuBar_->actions()) {
            QMenu* menu = entry->menu();
            if (menu != nullptr && barName(*menu).compare(name, Qt::CaseInsensitive) == 0) {
                auto& bar = bars_[menu];
                if (!bar) {
                    bar = std::make_unique<Bar>(menu, reportFailure_);
                }
                return bar.get();
            }
        }
    }
    throw objectmodel::HostError(QCoreApplication::translate("ravelin::editor::MenuCommandBars",
                                                             "There is no command bar named %1.")
                                     .arg(name));
}

} // namespace ravelin::editor
