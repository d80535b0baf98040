// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgethelpers.h"

#include <QFontDatabase>
#include <QFontInfo>
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

// Windows' "MS Sans Serif" is a bitmap font in a few sizes only: the
// layout's fonts must land on scalable faces, at the size the layout asks.
TEST(LayoutFonts, resolveToScalableFacesAtTheirSize) {
    const struct {
        QFont font;
        int pixels;
    } rows[] = {
        {msSansSerif(), 11}, {msSansSerif(9.75), 13}, {garamondBold(), 19}, {arialBold(), 16}};
    for (const auto& row : rows) {
        const QFontInfo info(row.font);
        EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(info.family(), info.styleName()))
            << info.family().toStdString();
        EXPECT_EQ(info.pixelSize(), row.pixels) << info.family().toStdString();
    }
}

} // namespace
