// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The title screen: the two level buttons, the ranking and quitting.
// Layout in form_Title_layout.cpp, event procedures in menus/form_Title.cpp.

#include <QWidget>

class QLabel;
class QPushButton;
class form_Main;

class form_Title : public QWidget {
    Q_OBJECT
public:
    explicit form_Title(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;  // the hero
    QLabel* Image2 = nullptr;  // the game's name
    QPushButton* Command1 = nullptr;  // "たこレベル"
    QPushButton* Command2 = nullptr;  // "さるレベル"
    QPushButton* Command3 = nullptr;  // "おしまい"
    QPushButton* Command4 = nullptr;  // "ランキング"

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    void buildLayout();
    void StartLevel(int level);
};
