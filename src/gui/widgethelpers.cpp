#include "widgethelpers.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <cmath>

namespace clubdraw {

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void resizeClient(QWidget* window, int width, int height) {
    window->resize(twips(width), twips(height));
}

void installFontSubstitutes() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList families = QFontDatabase::families();
    const auto substitute = [&](const QString& face,
                                std::initializer_list<const char*> candidates) {
        if (families.contains(face, Qt::CaseInsensitive))
            return;
        QStringList present;
        for (const char* c : candidates)
            if (families.contains(QString::fromLatin1(c), Qt::CaseInsensitive))
                present << QString::fromLatin1(c);
        if (!present.isEmpty())
            QFont::insertSubstitutions(face, present);
    };
    substitute(QStringLiteral("MS Sans Serif"),
               {"Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"});
    substitute(QStringLiteral("Garamond"),
               {"EB Garamond", "EB Garamond 12", "Liberation Serif", "DejaVu Serif"});
    substitute(QStringLiteral("Arial"), {"Liberation Sans", "Arimo", "DejaVu Sans"});
}

namespace {

QFont fontOf(const char* family, double points, bool bold, bool underline) {
    installFontSubstitutes();
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

QFont msSansSerif(double points, bool underline) {
    return fontOf("MS Sans Serif", points, false, underline);
}
QFont garamondBold(double points) {
    return fontOf("Garamond", points, true, false);
}
QFont arialBold(double points) {
    return fontOf("Arial", points, true, false);
}

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& caption,
                  Qt::Alignment alignment, const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setFont(font);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption,
                        int left, int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    place(button, left, top, width, height);
    return button;
}

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace clubdraw
