// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace clubdraw {

// Every failure carries a fixed number that the error box and stderr show,
// so a user's report names the failure exactly. The numbers never change
// between versions: guides and answers that quote them stay right.
class RunError : public std::runtime_error {
    Q_DECLARE_TR_FUNCTIONS(RunError)

public:
    // Named for what happened; some share a number, and so the text shown.
    enum Number {
        Unexpected = 0,
        FlagOutOfRange = 6,
        TooManyClubs = 6,
        FileTooLarge = 7,
        MemoryExhausted = 7,
        FileNotFound = 53,
        FileEndsInsideRecord = 62,
        QuoteNeverClosed = 62,
        MalformedLine = 62,
        FileUnreadable = 75,
    };

    // `where` says what failed, e.g. the file and record; `places` are the
    // files it concerns, one to a line in the box.
    RunError(int number, QString where, QStringList places = {});

    int number() const { return m_number; }
    QString text() const { return textOf(m_number); }
    QString where() const { return m_where; }
    const QStringList& places() const { return m_places; }
    // "Run-time error '53':\n\nFile not found\n\n<where>\n<place>...", with
    // at most `placesShown` places and "and N more", so a box of it fits
    // on any screen.
    QString message() const;
    static constexpr int placesShown = 5;
    // The same on one line, for stderr, with every place:
    // "run-time error 53: File not found (<where> <place>; <place>)", with
    // control characters shown as \xNN.
    QString oneLine() const;

    static QString textOf(int number);

private:
    int m_number;
    QString m_where;
    QStringList m_places;
};

} // namespace clubdraw
