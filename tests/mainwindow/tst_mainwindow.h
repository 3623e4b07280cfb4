// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainfrm.h"

#include <QObject>
#include <QRandomGenerator>

#include <memory>

// The main window's tests, in one class so that Qt Test runs any one of them by name, and kept
// in files by subject: the card and the search test, the layout, the handlers, a random user.
// Each function starts with a new window, not yet shown.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_frm = std::make_unique<MainFrm>(); }
    void cleanup() { m_frm.reset(); }

    // tst_card.cpp
    void card_data();
    void card();
    void shellsLine_data();
    void shellsLine();
    void searchFollowsEachText_data();
    void searchFollowsEachText();

    // tst_layout.cpp
    void window();
    void centring_data();
    void centring();
    void places_data();
    void places();
    void labels();
    void pictures_data();
    void pictures();
    void pictureOfManyColoursStretched();
    void bands_data();
    void bands();
    void barRows();

    // tst_mainfrm.cpp
    void startup();
    void dropDown_data();
    void dropDown();
    void darkDesktop_data();
    void darkDesktop();
    void qtMenusInArabic();
    void pastesKeepUndoBounded();
    void search_data();
    void search();
    void picks();
    void reveal();
    void overtakingFill_data();
    void overtakingFill();
    void ending_data();
    void ending();

    // tst_monkey.cpp
    void monkey();

private:
    enum Action { ShowAll, Search, Exit, Type, KeyPick, ListPick, Key, Actions, Close };

    // The random user's window, started again when the user ended it.
    MainFrm &usersWindow();
    void act(int action);
    void later(int passes, int action);
    QString disagreement();
    int random(int bound) { return int(m_random.bounded(bound)); }

    std::unique_ptr<MainFrm> m_frm;
    QRandomGenerator m_random;
    int m_pending = 0;
};
