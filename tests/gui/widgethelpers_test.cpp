// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgethelpers.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace clubdraw;

namespace {

// Outside dialogs Qt gives Enter to no button; ours take it as Space.
TEST(PushButton, enterReturnAndSpacePressTheFocusedButton) {
    QWidget window;
    QPushButton* button =
        makeButton(&window, QStringLiteral("button"), QStringLiteral("Go"), 0, 0, 900, 450);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    QSignalSpy clicked(button, &QPushButton::clicked);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(button, key);
    EXPECT_EQ(clicked.count(), 3);
    EXPECT_FALSE(button->autoDefault());
    EXPECT_FALSE(button->isDefault());
}

TEST(BringToFront, restoresAMinimisedWindow) {
    QWidget window;
    window.showMinimized();
    bringToFront(&window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
}

} // namespace
