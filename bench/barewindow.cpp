// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up figures: a bare Qt main window of the same size as
// Clubdraw's, doing nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("About"));
    window.setCentralWidget(new QWidget);
    window.resize(515, 506);
    window.show();
    return app.exec();
}
