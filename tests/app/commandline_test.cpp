// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/exitstatus.h"
#include "core/cataloguelocation.h"
#include "core/languagechoice.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace clubdraw;
using namespace clubdraw::testing;

namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

Outcome run(const QStringList& arguments, const QString& programFolder) {
    Outcome o;
    QTextStream out(&o.out);
    QTextStream err(&o.err);
    o.status =
        runConsole(QStringList{QStringLiteral("clubdraw")} + arguments, programFolder, out, err);
    return o;
}

using Words = std::vector<const char*>;

QStringList args(const Words& list) {
    QStringList result;
    for (const char* a : list)
        result << QString::fromUtf8(a);
    return result;
}

// Arsenal is listed twice: one club all the same.
const ProgramFolder& catalogueFolder() {
    static const ProgramFolder folder(
        QString(line("England", "Premier", "(level 1)", 0, "Arsenal") +
                line("England", "Premier", "(level 1)", 0, "Chelsea") +
                line("England", "Conference", "(level 5)", 1, "Yeovil") +
                line("Wales", "League", "", 0, "Barry Town") +
                line("Wales", "League", "", 0, "Bangor City") +
                line("Italy", "Serie C1", "/A", 1, "Alzano") +
                line("England", "Premier", "(level 1)", 0, "Arsenal"))
            .toLatin1());
    return folder;
}

struct UsageRow {
    Words arguments;
    const char* named; // what the error line must name
};

class UsageErrors : public ::testing::TestWithParam<UsageRow> {};

// Wrong arguments: one line naming the mistake, the usage line, status 2.
TEST_P(UsageErrors, nameTheMistakeThenTheUsage) {
    const Outcome o = run(args(GetParam().arguments), catalogueFolder().path());
    EXPECT_EQ(o.status, exitStatus::wrongArguments);
    EXPECT_TRUE(o.out.isEmpty());
    const QStringList lines = o.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << o.err.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("clubdraw: ")));
    EXPECT_TRUE(lines[0].contains(QString::fromUtf8(GetParam().named))) << o.err.toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Usage: clubdraw [options]")));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, UsageErrors,
    ::testing::Values(
        UsageRow{{"--bogus"}, "unknown option '--bogus'"},
        UsageRow{{"drwa"}, "unknown command 'drwa'; did you mean \"draw\"?"},
        UsageRow{{"list", "--json=yes", "nations"}, "unknown option '--json'"},
        UsageRow{{"list"}, "nations or divisions"},
        UsageRow{{"list", "clubs"}, "nations or divisions"},
        UsageRow{{"draw", "--count"}, "Missing value after '--count'"},
        UsageRow{{"draw", "--nation", "England", "--count", "0"}, "'0'"},
        UsageRow{{"draw", "--nation", "England", "--seed", "7x"}, "'7x'"},
        UsageRow{{"draw", "--preset", "europa"}, "did you mean \"europe\"?"},
        UsageRow{{"draw", "--nation", "Narnia"}, "\"Narnia\" is not one of the sixteen nations"},
        UsageRow{{"draw", "--preset", "all", "--manager", " "}, "--manager"},
        UsageRow{{"draw", "--preset", "all", "--manager", "A", "--manager", "A"}, "\"A\""},
        UsageRow{{"draw", "--preset", "all", "--seed", "1", "--words", "x"}, "--words"},
        UsageRow{{"draw", "--replay", "1ABCD", "--count", "2"}, "--count"},
        UsageRow{{"draw", "--replay", "1ABCD-EFGHJ"}, "1ABCD-EFGHJ"},
        UsageRow{{"draw", "--nation", "Netherlands"}, "did you mean \"Holland\"?"},
        UsageRow{{"draw", "--division", "Wales Leage"}, "no division \"Wales Leage\" in "},
        UsageRow{{"draw", "--division", "Wales Leage"}, "did you mean \"Wales League\"?"},
        UsageRow{{"draw", "--count", "2"}, "nothing to draw from"},
        UsageRow{{"check", "--max-findings", "-1"}, "'-1'"},
        UsageRow{{"draw", "--nation", "England", "--division", "Wales League"},
                 "--division cannot be combined"},
        UsageRow{{"draw", "--normal", "--division", "Wales League"}, "--normal"},
        UsageRow{{"draw", "--catalogue", "", "--nation", "England"},
                 "--catalogue wants a file name"},
        UsageRow{{"check", "a.txt", "--catalogue", "b.txt"}, "not both"},
        UsageRow{{"check", "--count", "2"}, "unknown option '--count'"},
        UsageRow{{"draw", "--preset", "all", "--count", "99999999999999999999"},
                 "--count 99999999999999999999 is too large; the largest is 32766"},
        UsageRow{{"check", "--max-findings", "99999999999"},
                 "is too large; the largest is 2147483647"},
        UsageRow{
            {"draw", "--nation", "Norge"},
            "\"Norge\" is not one of the sixteen nations (Argentina, Belgium, Brazil, Denmark, "
            "England, France, Germany, Holland, Italy, Japan, Norway, Portugal, Scotland, "
            "Spain, Sweden, USA)"},
        UsageRow{{"list", "Nations"},
                 "cannot list 'Nations', only nations or divisions; did you mean \"nations\"?"},
        UsageRow{{"list", "division"}, "did you mean \"divisions\"?"},
        UsageRow{{"catalogue", "--force"}, "--force goes with --copy"},
        UsageRow{{"draw", "--preset", "all", "--language", "no"}, "'no'"},
        UsageRow{{"draw", "--preset", "all", "--count", " 5"}, "' 5'"},
        UsageRow{{"draw", "--preset", "all", "--count", "+5"}, "'+5'"},
        UsageRow{{"check", ""}, ""}));

// A terminal of 80 columns shows every help line whole, in the language in
// use (the suite runs once per shipped language).
TEST(CommandLine, helpFitsEightyColumns) {
    for (const char* command : {"", "catalogue", "check", "draw", "list"}) {
        QStringList arguments{QStringLiteral("--help")};
        if (*command)
            arguments.prepend(QString::fromLatin1(command));
        const Outcome o = run(arguments, catalogueFolder().path());
        ASSERT_EQ(o.status, 0);
        for (const QString& helpLine : o.out.split(u'\n'))
            EXPECT_LE(helpLine.size(), 80) << command << ": " << helpLine.toStdString();
    }
}

TEST(CommandLine, onlyTheWindowTakesQtsOptionsAndADisplay) {
    const struct {
        Words arguments;
        Route route;
    } rows[] = {
        {{}, Route::Window},
        {{"--catalogue", "other.txt"}, Route::Window},
        {{"--catalogue=other.txt"}, Route::Window},
        {{"-catalogue=other.txt"}, Route::Window},
        {{"--catalogue="}, Route::Window},
        {{"--catalogue=other.txt", "draw"}, Route::Console},
        {{"draw", "--catalogue", "other.txt"}, Route::Console},
        {{"-platform", "offscreen"}, Route::Window},
        {{"--help"}, Route::Console},
        {{"--catalogue", "other.txt", "draw"}, Route::Console},
        {{"--bogus"}, Route::Console},
        {{"stray"}, Route::Console},
        {{"-style", "fusion", "draw"}, Route::Console},
        {{"--language", "nb"}, Route::Window},
        {{"--language=en", "list", "nations"}, Route::Console},
    };
    for (const auto& row : rows)
        EXPECT_EQ(routeOf(QStringList{QStringLiteral("clubdraw")} + args(row.arguments)), row.route)
            << args(row.arguments).join(u' ').toStdString();
}

// Read before any parser, to install the language the parser then speaks.
TEST(CommandLine, languageIsPickedOutOfTheArgumentsAsTheParserReadsThem) {
    const struct {
        Words arguments;
        std::optional<LanguageChoice> chosen;
    } rows[] = {
        {{"draw", "--language", "nb"}, LanguageChoice::NorwegianBokmal},
        {{"--language", "nb", "-language=en"}, LanguageChoice::English},
        {{"--catalogue", "--language", "nb"}, std::nullopt},
        {{"--language", "de"}, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(languageOption(QStringList{QStringLiteral("clubdraw")} + args(row.arguments)),
                  row.chosen)
            << args(row.arguments).join(u' ').toStdString();
}

TEST(CommandLine, theWindowReadsTheCatalogueItIsGiven) {
    QString errors;
    QTextStream err(&errors);
    const auto windowGets = [&](const Words& arguments) {
        return windowCatalogue(QStringList{QStringLiteral("clubdraw")} + args(arguments), err);
    };
    EXPECT_EQ(windowGets({}), QString());
    for (const Words& given :
         {Words{"--catalogue", "/tmp/mine.txt"}, Words{"--catalogue=/tmp/mine.txt"}})
        EXPECT_EQ(windowGets(given), QStringLiteral("/tmp/mine.txt"));
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(windowGets({"--catalogue="}), std::nullopt);
    EXPECT_EQ(windowGets({"-platform"}), std::nullopt);
    EXPECT_TRUE(errors.contains(QStringLiteral("clubdraw: unknown option '-platform'")));
}

QStringList clubsIn(const QString& out) {
    QStringList clubs;
    QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        lines.removeLast(); // the draw's code
    for (const QString& l : lines)
        clubs << l.section(QStringLiteral(" in "), 0, 0);
    clubs.sort();
    return clubs;
}

struct DrawRow {
    Words arguments;
    const char* clubs;   // all of them, sorted, comma-separated; null for a failure
    const char* failure; // what stderr must say
};

class Draws : public ::testing::TestWithParam<DrawRow> {};

// The options reach the rules: with --count as large as the pool, every
// eligible club comes out once.
TEST_P(Draws, takeTheClubsTheirWindowWould) {
    const Outcome o = run(QStringList{QStringLiteral("draw")} + args(GetParam().arguments),
                          catalogueFolder().path());
    if (GetParam().clubs) {
        EXPECT_EQ(o.status, 0) << o.err.toStdString();
        EXPECT_EQ(clubsIn(o.out).join(u','), QString::fromUtf8(GetParam().clubs));
    } else {
        EXPECT_EQ(o.status, 1);
        EXPECT_TRUE(o.out.isEmpty());
        EXPECT_EQ(o.err, QStringLiteral("clubdraw: %1\n").arg(GetParam().failure));
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Draws,
    ::testing::Values(
        DrawRow{{"--nation", "england", "--count", "2"}, "Arsenal,Chelsea", nullptr},
        DrawRow{{"--preset", "none", "--nation", "Italy", "--preset", "SOUTH-america", "--nation",
                 "England", "--normal", "--count", "4"},
                "Alzano,Arsenal,Chelsea,Yeovil",
                nullptr},
        DrawRow{{"--division", "wales LEAGUE", "--count", "2"}, "Bangor City,Barry Town", nullptr},
        DrawRow{
            {"--division", "Italy Serie C1", "--division", "England Conference", "--count", "2"},
            "Alzano,Yeovil",
            nullptr},
        DrawRow{{"--nation", "England", "--count", "3"},
                nullptr,
                "only 2 clubs to draw from, fewer than --count 3; with --normal there "
                "are 3"},
        DrawRow{{"--division", "Italy Serie C1"},
                nullptr,
                "only 1 club to draw from; a draw needs at least 2"}));

// The division window reveals a club listed twice as the only one of its
// division; so does the command.
TEST(CommandLine, aDivisionOfOneClubListedTwiceDrawsItAsTheWindowDoes) {
    const ProgramFolder folder(QString(line("Scotland", "Highland", "", 0, "Cove Rangers") +
                                       line("Scotland", "Highland", "", 0, "Cove Rangers"))
                                   .toLatin1());
    const Outcome one = run(args({"draw", "--division", "Scotland Highland"}), folder.path());
    EXPECT_EQ(one.status, 0) << one.err.toStdString();
    EXPECT_EQ(one.out.section(u'\n', 0, 0), QStringLiteral("Cove Rangers in Scotland, Highland "));
    const Outcome two =
        run(args({"draw", "--division", "Scotland Highland", "--count", "2"}), folder.path());
    EXPECT_EQ(two.status, 1);
    EXPECT_EQ(two.err,
              QStringLiteral("clubdraw: only 1 club to draw from, fewer than --count 2\n"));
}

// A code printed by a draw replays it: the same clubs for the same rows.
TEST(CommandLine, aDrawsCodeReplaysIt) {
    const QStringList names{"--manager", "Ann", "--manager", "Bo", "--manager", "Cem"};
    const Outcome drawn =
        run(args({"draw", "--preset", "all", "--normal", "--words", "Round 1"}) + names,
            catalogueFolder().path());
    ASSERT_EQ(drawn.status, 0) << drawn.err.toStdString();
    const QString code = drawn.out.trimmed().section(u' ', -1);
    const Outcome replayed =
        run(args({"draw", "--replay"}) + QStringList{code} + names, catalogueFolder().path());
    EXPECT_EQ(replayed.status, 0) << replayed.err.toStdString();
    EXPECT_EQ(replayed.out, drawn.out);
}

TEST(CommandLine, aSeedRepeatsTheDraw) {
    const QStringList draw = args({"draw", "--preset", "all", "--normal", "--count", "3"});
    for (const char* seed : {"1", "-7", "18446744073709551615"}) {
        const QStringList seeded = draw + QStringList{"--seed", QString::fromLatin1(seed)};
        const Outcome first = run(seeded, catalogueFolder().path());
        EXPECT_EQ(first.status, 0);
        EXPECT_EQ(clubsIn(first.out).size(), 3);
        EXPECT_EQ(run(seeded, catalogueFolder().path()).out, first.out) << seed;
    }
}

TEST(CommandLine, jsonIsOneArrayOfTheDrawnClubs) {
    const Outcome o = run(args({"draw", "--division", "Wales League", "--count", "2", "--json"}),
                          catalogueFolder().path());
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(o.out.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << o.out.toStdString();
    ASSERT_TRUE(document.isArray());
    std::set<QString> clubs;
    for (const QJsonValue& club : document.array()) {
        const QJsonObject object = club.toObject();
        clubs.insert(object[QStringLiteral("team")].toString());
        EXPECT_EQ(object[QStringLiteral("nation")].toString(), QStringLiteral("Wales"));
        EXPECT_EQ(object[QStringLiteral("division")].toString(), QStringLiteral("League"));
        EXPECT_EQ(object[QStringLiteral("suffix")].toString(), QString());
        EXPECT_EQ(object[QStringLiteral("line")].toString(), QStringLiteral("Wales, League "));
    }
    EXPECT_EQ(clubs,
              (std::set<QString>{QStringLiteral("Bangor City"), QStringLiteral("Barry Town")}));
}

TEST(CommandLine, listShowsWhatTheDrawOptionsTakeWithClubCounts) {
    const Outcome nations = run(args({"list", "nations"}), catalogueFolder().path());
    EXPECT_EQ(nations.status, 0);
    const QStringList rows = nations.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 16);
    EXPECT_EQ(rows[0], QStringLiteral("Argentina  0 clubs, 0 in Minimum"));
    EXPECT_TRUE(rows.contains(QStringLiteral("England    3 clubs, 2 in Minimum")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Italy      1 club, 0 in Minimum")));

    EXPECT_EQ(run(args({"list", "divisions"}), catalogueFolder().path()).out,
              QStringLiteral("England Premier     2 clubs\n"
                             "England Conference  1 club\n"
                             "Wales League        2 clubs\n"
                             "Italy Serie C1      1 club\n"));

    // A terminal gives East Asian wide characters two columns each.
    const ProgramFolder wide(QString(line("Japan", "J1 \u30EA\u30FC\u30B0", "", 0, "A") +
                                     line("Japan", "Second", "", 0, "B"))
                                 .toUtf8());
    EXPECT_EQ(run(args({"list", "divisions"}), wide.path()).out,
              QStringLiteral("Japan J1 \u30EA\u30FC\u30B0  1 club\n"
                             "Japan Second     1 club\n"));
}

TEST(CommandLine, aMissingCatalogueIsError53AndCatalogueReadsAnother) {
    const ScratchDataFolders data;
    const ProgramFolder empty;
    const Outcome missing = run(args({"list", "nations"}), empty.path());
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.startsWith(
        QStringLiteral("clubdraw: run-time error 53: File not found (Tried, in this order: %1; ")
            .arg(empty.file())))
        << missing.err.toStdString();

    const Outcome other =
        run(args({"list", "divisions", "--catalogue"}) << catalogueFolder().file(), empty.path());
    EXPECT_EQ(other.status, 0);
    EXPECT_TRUE(other.out.startsWith(QStringLiteral("England Premier")));
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CommandLine, catalogueShowsTheOneInUseAndCopyMakesTheUsersOwn) {
    const ScratchDataFolders data;
    const ProgramFolder program;
    const QByteArray shipped = line("Wales", "League", "", 0, "Barry Town").toLatin1();
    const QString system = ScratchDataFolders::put(data.systemFolder(), shipped);
    const QString user = cataloguePathIn(data.userFolder());
    const auto outOf = [&](const Words& arguments) {
        const Outcome o = run(args(arguments), program.path());
        return std::make_pair(o.status, o.status == 0 ? o.out : o.err);
    };

    EXPECT_EQ(outOf({"catalogue"}), std::make_pair(0, system + u'\n'));
    EXPECT_TRUE(outOf({"check"}).second.startsWith(system + u':'));
    EXPECT_EQ(outOf({"catalogue", "--copy"}), std::make_pair(0, user + u'\n'));
    EXPECT_EQ(contentsOf(user), shipped);
    EXPECT_EQ(outOf({"catalogue"}), std::make_pair(0, user + u'\n'));

    // An edited copy is never overwritten by accident; --force starts afresh.
    ScratchDataFolders::put(data.userFolder(), "edited");
    const auto again = outOf({"catalogue", "--copy"});
    EXPECT_EQ(again.first, 1);
    EXPECT_TRUE(again.second.contains(QStringLiteral("--force"))) << again.second.toStdString();
    EXPECT_EQ(contentsOf(user), QByteArray("edited"));
    EXPECT_EQ(outOf({"catalogue", "--copy", "--force"}), std::make_pair(0, user + u'\n'));
    EXPECT_EQ(contentsOf(user), shipped);

    // The file beside the program is already the one to edit.
    ScratchDataFolders::put(program.path(), "beside");
    const auto beside = outOf({"catalogue", "--copy", "--force"});
    EXPECT_EQ(beside.first, 1);
    EXPECT_TRUE(beside.second.contains(program.file())) << beside.second.toStdString();
    EXPECT_EQ(contentsOf(user), shipped);
}

// A copy is made only where it would be read, and only of a catalogue
// with clubs.
TEST(CommandLine, copyTakesOnlyACatalogueThatWouldBeUsed) {
    const ScratchDataFolders data;
    const ProgramFolder bare;
    const QString good = catalogueFolder().file();
    const QString noClubs = ScratchDataFolders::put(data.systemFolder(), "\r\n");
    const QString brokenFile = bare.path() + QStringLiteral("/broken.txt");
    QFile broken(brokenFile);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("A,B,C,0") == 7);
    broken.close();
    const struct {
        QString programFolder, source;
        int status;
    } rows[] = {{catalogueFolder().path(), good, 1}, // the one beside the program comes first
                {bare.path(), QStringLiteral("/dev/null"), 1},
                {bare.path(), noClubs, 1},
                {bare.path(), brokenFile, 1},
                {bare.path(), good, 0}};
    for (const auto& row : rows) {
        const Outcome o = run({QStringLiteral("--catalogue"), row.source,
                               QStringLiteral("catalogue"), QStringLiteral("--copy")},
                              row.programFolder);
        EXPECT_EQ(o.status, row.status) << row.source.toStdString() << o.err.toStdString();
        EXPECT_EQ(QFileInfo::exists(cataloguePathIn(data.userFolder())), row.status == 0);
    }
}

TEST(CommandLine, copyIntoAFolderThatCannotBeMadeFailsClearly) {
    const ScratchDataFolders data;
    const ProgramFolder program;
    ScratchDataFolders::put(data.systemFolder(), "A,B,,0,C\n");
    // A file where a folder above the user's data folder should be.
    const QString blocker = program.path() + QStringLiteral("/blocker");
    QFile(blocker).open(QIODevice::WriteOnly);
    qputenv("XDG_DATA_HOME", (blocker + QStringLiteral("/home")).toLocal8Bit());
    const Outcome o = run(args({"catalogue", "--copy"}), program.path());
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.err.contains(
        QStringLiteral("cannot make the folder %1/home/clubdraw: Not a directory").arg(blocker)))
        << o.err.toStdString();
}

#ifdef Q_OS_UNIX
// An own copy that links elsewhere: a broken link is an error everywhere,
// never a quiet return to the system's clubs; --force writes the file the
// link points to and names it.
TEST(CommandLine, anOwnCopyThatIsALink) {
    const ScratchDataFolders data;
    const ProgramFolder program;
    ScratchDataFolders::put(data.systemFolder(),
                            line("Wales", "League", "", 0, "Barry").toLatin1());
    const QString user = cataloguePathIn(data.userFolder());
    const QString stick = program.path() + QStringLiteral("/stick.txt");
    ASSERT_TRUE(QDir().mkpath(data.userFolder()));
    ASSERT_TRUE(QFile::link(stick, user));
    for (const Words& command :
         {Words{"catalogue"}, Words{"draw", "--preset", "all"}, Words{"catalogue", "--copy"},
          Words{"catalogue", "--copy", "--force"}}) {
        const Outcome o = run(args(command), program.path());
        EXPECT_EQ(o.status, 1) << command.back();
        EXPECT_TRUE(
            o.err.contains(QStringLiteral("%1 is a link to %2, which is missing").arg(user, stick)))
            << o.err.toStdString();
    }
    QFile edited(stick);
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly) && edited.write("edited") == 6);
    edited.close();
    const Outcome forced = run(args({"catalogue", "--copy", "--force"}), program.path());
    EXPECT_EQ(forced.status, 0) << forced.err.toStdString();
    EXPECT_EQ(forced.out, stick + u'\n');
    EXPECT_TRUE(QFileInfo(user).isSymLink());
    EXPECT_EQ(contentsOf(stick), line("Wales", "League", "", 0, "Barry").toLatin1());
}

// Qt would read bytes that are not UTF-8 as U+FFFD, a folder of another
// name, and make it.
TEST(CommandLine, aDataFolderVariableThatIsNotUtf8IsRefused) {
    for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
        const ScratchDataFolders data;
        const ProgramFolder program;
        ScratchDataFolders::put(data.systemFolder(), "A,B,,0,C\nA,B,,0,D\n");
        const QByteArray old = qgetenv(variable);
        const QByteArray notUtf8 = QFile::encodeName(program.path()) + "/h\xfe";
        if (variable != QByteArrayLiteral("HOME") || qunsetenv("XDG_DATA_HOME"))
            qputenv(variable, notUtf8);
        for (const Words& command :
             {Words{"catalogue", "--copy"}, Words{"draw", "--preset", "all"}}) {
            const Outcome o = run(args(command), program.path());
            EXPECT_EQ(o.status, 1) << variable << " " << command[0];
        }
        qputenv(variable, old);
        EXPECT_EQ(QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList())
            << variable;
    }
}

TEST(CommandLine, copyWithoutAHomeSaysWhatToSet) {
    const ScratchDataFolders data;
    const ProgramFolder program;
    ScratchDataFolders::put(data.systemFolder(), "A,B,,0,C\n");
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    const Outcome o = run(args({"catalogue", "--copy"}), program.path());
    qputenv("HOME", home);
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.err.contains(QStringLiteral("set HOME, or XDG_DATA_HOME, to a full path")))
        << o.err.toStdString();
}
#endif

// Three errors and two warnings, planted in the file.
TEST(CommandLine, checkReportsEveryPlantedProblemWithItsLine) {
    const QString file = QStringLiteral(CLUBDRAW_TEST_DATA "/planted_catalogue.txt");
    const Outcome o = run({QStringLiteral("check"), file}, catalogueFolder().path());
    EXPECT_EQ(o.status, 1);
    const QStringList lines = o.out.split(QLatin1Char('\n'));
    const QString expected[] = {
        file + ":3: error: run-time error 6: Overflow (",
        file + ":4: warning: the nation \"Netherlands\" is none of the main window's sixteen",
        file + ":6: warning: club \"Arsenal\" of \"England\" is listed twice",
        file + ":7: error: run-time error 6: Overflow (",
        file + ":9: error: run-time error 62: Input past end of file (",
        file + ": 6 clubs, 3 nations, 3 divisions, 6 clubs in the Minimum database"};
    ASSERT_GT(lines.size(), 6) << o.out.toStdString();
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(lines[i].startsWith(expected[i])) << lines[i].toStdString();
    EXPECT_TRUE(o.out.endsWith(QStringLiteral("3 errors, 2 warnings.\n")));
}

// Errors are always listed; the cap leaves out warnings.
TEST(CommandLine, checkListsAtMostMaxFindingsButCountsThemAll) {
    const QString file = QStringLiteral(CLUBDRAW_TEST_DATA "/planted_catalogue.txt");
    const struct {
        const char* cap;
        int errors, warnings;
    } rows[] = {{"2", 3, 0}, {"4", 3, 1}, {"0", 3, 2}};
    for (const auto& row : rows) {
        const Outcome o = run({QStringLiteral("check"), QStringLiteral("--max-findings"),
                               QString::fromLatin1(row.cap), file},
                              catalogueFolder().path());
        const QStringList lines = o.out.split(QLatin1Char('\n'));
        EXPECT_EQ(lines.filter(QStringLiteral(": error: ")).size(), row.errors) << row.cap;
        EXPECT_EQ(lines.filter(QStringLiteral(": warning: ")).size(), row.warnings) << row.cap;
        const int more = 5 - row.errors - row.warnings;
        EXPECT_EQ(o.out.contains(file + QStringLiteral(": and %1 more").arg(more)), more > 0);
        EXPECT_TRUE(o.out.endsWith(QStringLiteral("3 errors, 2 warnings.\n")));
    }
}

TEST(CommandLine, checkFailsOnWarningsOnlyWhenStrict) {
    const ProgramFolder warned(QString(line("Wales", "League", "", 0, "Barry Town")).toLatin1());
    EXPECT_EQ(run(args({"check"}), warned.path()).status, 0);
    const Outcome strict = run(args({"check", "--strict"}), warned.path());
    EXPECT_EQ(strict.status, 1);
    EXPECT_TRUE(strict.out.startsWith(warned.file() + QStringLiteral(":1: warning: ")));
    EXPECT_TRUE(strict.out.endsWith(QStringLiteral("0 errors, 1 warning.\n")));
}

// Nor can a file name: escapes, C1 controls and bidirectional overrides
// never reach the terminal raw, on any path, JSON included.
TEST(CommandLine, catalogueTextCannotDriveTheTerminal) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("x\x1b]0;PWNED\x07.txt"));
    QFile hostile(file);
    ASSERT_TRUE(hostile.open(QIODevice::WriteOnly));
    hostile.write(QString(line("Eng\x1b[2Jland", "Premier", "", 0, "A\u202e\u200b") +
                          line("Eng\x1b[2Jland", "Premier", "", 0, "Two\r\nlines\u0085\u009b"))
                      .toUtf8());
    hostile.close();
    const Words commands[] = {
        {"check"},
        {"list", "divisions"},
        {"catalogue"},
        {"draw", "--division", "Eng\x1b[2Jland Premier", "--count", "2"},
        {"draw", "--division", "Eng\x1b[2Jland Premier", "--count", "2", "--json"},
        {"draw", "--division", "Nowhere"},
    };
    for (const Words& command : commands) {
        const Outcome o =
            run(args(command) << QStringLiteral("--catalogue") << file, catalogueFolder().path());
        for (const char16_t raw : {u'\x1b', u'\x07', u'\r', u'\x85', u'\x9b', u'\u202e', u'\u200b'})
            EXPECT_FALSE(o.out.contains(QChar(raw)) || o.err.contains(QChar(raw)))
                << command[0] << " " << int(raw);
        if (command[0] == QLatin1String("check") || command[0] == QLatin1String("catalogue")) {
            EXPECT_TRUE(o.out.contains(QStringLiteral("x\\x1b]0;PWNED\\x07.txt")))
                << o.out.toStdString();
        }
    }
    const Outcome drawn =
        run(args({"draw", "--division", "Eng\x1b[2Jland Premier", "--count", "2", "--catalogue"})
                << file,
            catalogueFolder().path());
    EXPECT_TRUE(
        drawn.out.contains(QStringLiteral("Two\\x0d\\x0alines\\x85\\x9b in Eng\\x1b[2Jland")))
        << drawn.out.toStdString();
    EXPECT_TRUE(drawn.out.contains(QStringLiteral("A\\u202e\\u200b in")))
        << drawn.out.toStdString();
    // JSON keeps the same text, in escapes any reader understands.
    const Outcome json = run(args({"draw", "--division", "Eng\x1b[2Jland Premier", "--count", "2",
                                   "--json", "--catalogue"})
                                 << file,
                             catalogueFolder().path());
    const QJsonArray clubs = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QStringList names;
    for (const QJsonValue& club : clubs)
        names << club[QStringLiteral("team")].toString();
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("A\u202e\u200b"),
                                  QStringLiteral("Two\r\nlines\u0085\u009b")}));
}

} // namespace
