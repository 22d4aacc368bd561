#include "main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace zorvel::ui {
namespace {

// The help context numbers lead to no help call; they are kept with the items as data.
const char* const kHelpContext = "helpContext";

QMenu* AddMenu(QWidget* parent, const char* name, const QString& caption, int helpContext) {
    QMenu* menu = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
        menu = bar->addMenu(caption);
    } else {
        menu = static_cast<QMenu*>(parent)->addMenu(caption);
    }
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    if (helpContext != 0) menu->menuAction()->setProperty(kHelpContext, helpContext);
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption, int helpContext = 0) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (helpContext != 0) action->setProperty(kHelpContext, helpContext);
    return action;
}

QAction* AddCheckItem(QMenu* menu, const char* name, const QString& caption, bool checked,
                      int helpContext = 0) {
    QAction* action = AddItem(menu, name, caption, helpContext);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QActionGroup* OneOf(QObject* owner, std::initializer_list<QAction*> items) {
    auto* group = new QActionGroup(owner);
    for (QAction* item : items) group->addAction(item);
    return group;
}

}  // namespace

MainMenu BuildMainMenu(QMenuBar* bar) {
    MainMenu m;
    m.Game = AddMenu(bar, "Game", QStringLiteral("&Game"), 3);
    m.StartGame = AddItem(m.Game, "StartGame", QStringLiteral("&Start Game"), 13);
    m.ClearGame = AddItem(m.Game, "ClearGame", QStringLiteral("&Clear Game"), 14);
    m.Game->addSeparator()->setObjectName(QStringLiteral("N1"));
    m.Exit = AddItem(m.Game, "Exit", QStringLiteral("E&xit"), 15);

    m.Option = AddMenu(bar, "Option", QStringLiteral("&Option"), 3);
    m.GameMode = AddMenu(m.Option, "GameMode", QStringLiteral("&Game Mode"), 4);
    m.G1P = AddCheckItem(m.GameMode, "G1P", QStringLiteral("1P"), true);
    m.G2P = AddCheckItem(m.GameMode, "G2P", QStringLiteral("2P"), false);
    m.Attack = AddMenu(m.Option, "Attack", QStringLiteral("&First Attack"), 5);
    m.A1P = AddCheckItem(m.Attack, "A1P", QStringLiteral("GREEN 1P"), true);
    m.A2P = AddCheckItem(m.Attack, "A2P", QStringLiteral("RED     2P or Com"), false);
    m.Option->addSeparator()->setObjectName(QStringLiteral("N2"));
    m.Sound = AddCheckItem(m.Option, "Sound", QStringLiteral("&Sound On"), true, 6);
    m.Speed = AddCheckItem(m.Option, "Speed", QStringLiteral("&High Speed"), false, 7);
    m.Option->addSeparator()->setObjectName(QStringLiteral("N3"));
    m.Image = AddMenu(m.Option, "Image", QStringLiteral("&Image"), 8);
    m.Ptn0 = AddCheckItem(m.Image, "Ptn0", QStringLiteral("Nomal"), true);
    m.Ptn1 = AddCheckItem(m.Image, "Ptn1", QStringLiteral("Star"), false);
    m.Ptn2 = AddCheckItem(m.Image, "Ptn2", QStringLiteral("Onigiri"), false);

    m.GameModes = OneOf(bar, {m.G1P, m.G2P});
    m.Attacks = OneOf(bar, {m.A1P, m.A2P});
    m.ImagePatterns = OneOf(bar, {m.Ptn0, m.Ptn1, m.Ptn2});

    m.Help = AddMenu(bar, "Help", QStringLiteral("&Help"), 3);
    m.Topic = AddItem(m.Help, "Topic", QStringLiteral("&Help"));
    m.Help->addSeparator()->setObjectName(QStringLiteral("N4"));
    m.Version = AddItem(m.Help, "Version", QStringLiteral("&Version"));
    return m;
}

}  // namespace zorvel::ui
