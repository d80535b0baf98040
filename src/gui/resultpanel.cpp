// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultpanel.h"

#include "widgethelpers.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTextLayout>
#include <QTimer>

namespace clubdraw {

namespace {

// `text` as a word-wrapping label shows it in `lines` lines: as it is when
// it fits, otherwise its last line ends in "…" where the space runs out.
QString fitted(const QString& text, const QLabel* label, int lines) {
    const int width = label->contentsRect().width();
    // Wrapped as the label wraps it, at word boundaries.
    QTextLayout layout(text, label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qsizetype lastLineStart = -1;
    for (int i = 0; lastLineStart < 0; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        // A word wider than the label runs past its edge: cut there too.
        if (i == lines - 1 || line.naturalTextWidth() > width)
            lastLineStart = line.textStart();
    }
    layout.endLayout();
    if (lastLineStart < 0)
        return text;
    const QString last = text.sliced(lastLineStart);
    const QString elided = QFontMetrics(label->font()).elidedText(last, Qt::ElideRight, width);
    if (elided == last)
        return text;
    return text.first(lastLineStart) + elided;
}

} // namespace

ResultPanel::ResultPanel(RandomSource& random, SteadyClock clock, QWidget* parent)
    : QWidget(parent), m_random(random), m_schedule(std::move(clock)),
      m_clubLabel(makeLabel(this, QStringLiteral("clubLabel"), QString(), Qt::AlignLeft, QFont())),
      m_divisionLabel(
          makeLabel(this, QStringLiteral("divisionLabel"), QString(), Qt::AlignLeft, QFont())),
      m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("resultPanel"));
    // A screen reader reads the club itself as the labels' name.
    //: Accessible name of the area that shows the drawn club
    setAccessibleName(tr("Result"));
    m_clubLabel->setAccessibleDescription(tr("Your team"));
    m_divisionLabel->setAccessibleDescription(tr("Division"));
    // Single-shot, re-armed at every tick: each wait makes up for the
    // lateness of the ticks before it.
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &ResultPanel::advanceReveal);
}

void ResultPanel::place(const Places& places, const QString& divisionCaption, const QFont& font) {
    // The captions stand in the parent, beside the panel, not inside it.
    QLabel* clubCaption = makeLabel(parentWidget(), QStringLiteral("clubCaption"),
                                    //: Before the drawn club's name
                                    tr("Your team is :"), Qt::AlignRight, font);
    clubCaption->setGeometry(places.clubCaption);
    makeLabel(parentWidget(), QStringLiteral("divisionCaption"), divisionCaption, Qt::AlignRight,
              font)
        ->setGeometry(places.divisionCaption);
    const QRect area = places.club.united(places.division);
    setGeometry(area);
    m_clubLabel->setGeometry(places.club.translated(-area.topLeft()));
    m_divisionLabel->setGeometry(places.division.translated(-area.topLeft()));
    m_clubLabel->setFont(font);
    m_divisionLabel->setFont(font);
}

void ResultPanel::startDraw(CandidatePool found) {
    setBold(false);
    clearCaptions();
    takeDraw(std::move(found), m_pool, m_schedule);
    syncTimer();
}

void ResultPanel::clearCaptions() {
    m_clubText.clear();
    m_divisionText.clear();
    showTexts();
}

void ResultPanel::stopReveal() {
    m_schedule.stop();
    syncTimer();
}

void ResultPanel::advanceReveal() {
    const RevealStep step = m_schedule.tick(m_pool, m_random);
    if (step.showsPick) {
        m_clubText = step.clubName;
        m_divisionText = step.divisionLine;
        showTexts();
    }
    if (step.finished)
        setBold(true);
    syncTimer();
    if (step.finished)
        Q_EMIT revealFinished();
}

void ResultPanel::setBold(bool bold) {
    for (QLabel* label : {m_clubLabel, m_divisionLabel}) {
        QFont font = label->font();
        font.setBold(bold);
        label->setFont(font);
    }
    // Bold is wider.
    showTexts();
}

// The club takes one line; the division line wraps onto a second by design.
void ResultPanel::showTexts() {
    const std::pair<QLabel*, const QString*> shown[] = {{m_clubLabel, &m_clubText},
                                                        {m_divisionLabel, &m_divisionText}};
    for (int lines = 1; const auto& [label, text] : shown) {
        const QString fit = fitted(*text, label, lines++);
        label->setText(fit);
        label->setToolTip(fit == *text ? QString() : *text);
        label->setAccessibleName(*text);
    }
}

void ResultPanel::syncTimer() {
    if (m_schedule.isRunning())
        m_timer->start(m_schedule.waitMs());
    else
        m_timer->stop();
}

} // namespace clubdraw
