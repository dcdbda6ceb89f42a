// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The ranking screen: the five best results of one level and stage, and the
// entry box where a new record holder types a name. The layout is built in
// form_Rank_layout.cpp; the logic lives in scores/form_Rank.cpp.

#include "game/Module1.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class form_Rank : public QDialog {
    Q_OBJECT
public:
    explicit form_Rank(QWidget* parent = nullptr);

    // Fills the rows for g_RankLevel / g_RankStage; hides the selectors while
    // a name is being entered.
    void Set_Form();
    void Option1_Click(int index);  // level selector: 0 = たこ, 1 = さる
    void Option2_Click(int index);  // stage selector: 0 = STAGE1, 1 = STAGE2
    void txt_Nm_Change(int index);
    void cmd_Close_Click();

    // Every other way of closing (Escape, the close box, the window manager)
    // goes through here and does what "とじる" does, or nothing while it is disabled.
    void reject() override;

    // The elements, by their layout names; rows are places 0..4.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lbl_Nm[Module1::kPlaces] = {};
    QLabel* lbl_Score[Module1::kPlaces] = {};
    QLineEdit* txt_Nm[Module1::kPlaces] = {};
    QFrame* Frame1 = nullptr;
    QRadioButton* Option1[2] = {};
    QRadioButton* Option2[2] = {};
    QPushButton* cmd_Close = nullptr;
    QFrame* Line1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildLayout();    // form_Rank_layout.cpp
    void ConnectEvents();  // scores/form_Rank.cpp
    bool EntryMode() const;
    QWidget* FirstFocus() const;

    bool m_closing = false;  // cmd_Close_Click is under way (the click sound waits)
};
