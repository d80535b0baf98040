// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/candidatepool.h"
#include "core/randomsource.h"
#include "core/revealschedule.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace clubdraw {

// A draw's result: the club and division labels and the slot-machine
// reveal that fills them. Each draw window has one, with a pool and a timer
// of its own, so both windows can reveal at once.
class ResultPanel : public QWidget {
    Q_OBJECT
public:
    // `clock` times the reveal; the random source is shared with the owner.
    ResultPanel(RandomSource& random, SteadyClock clock, QWidget* parent);

    // Where the result goes in the parent, in pixels: each label with its
    // caption before it.
    struct Places {
        QRect clubCaption;
        QRect divisionCaption;
        QRect club;
        QRect division;
    };
    // Puts the captions and labels there. The club's caption is "Your team
    // is :"; each window words the division's its own way.
    void place(const Places& places, const QString& divisionCaption, const QFont& font);

    // Only tests look inside: the clubs the latest draw that found any
    // handed over, and whether a reveal runs.
    const CandidatePool& pool() const { return m_pool; }
    bool isRevealing() const { return m_schedule.isRunning(); }

public Q_SLOTS:
    // Empties the result in regular weight, then reveals from `found` when it
    // holds two clubs or more; fewer stop a running reveal.
    void startDraw(clubdraw::CandidatePool found);
    // "Clear results": captions only; bold and a running reveal stay.
    void clearCaptions();
    // Ends a running reveal where it stands, labels untouched.
    void stopReveal();

Q_SIGNALS:
    // The reveal has landed: both labels are bold.
    void revealFinished();

private Q_SLOTS:
    void advanceReveal();

private:
    void setBold(bool bold);
    void showTexts();
    void syncTimer();

    RandomSource& m_random;
    RevealSchedule m_schedule;
    CandidatePool m_pool;
    QLabel* m_clubLabel;
    QLabel* m_divisionLabel;
    // What the labels show when it fits; a name cut short keeps its whole
    // text in the tooltip and the accessible name.
    QString m_clubText;
    QString m_divisionText;
    QTimer* m_timer;
};

} // namespace clubdraw
