#include "app/error_report.h"
#include "app/startup.h"
#include "catalogue/lagliste.h"
#include "catalogue/run_error.h"
#include "nation_draw/frm_cmtrekning.h"
#include "test_support.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace clubdraw;
using clubdraw::testing::generated_catalogue;
using clubdraw::testing::program_folder;

namespace {

int error_number_of(const QString& path) {
    try {
        load_catalogue(path);
    } catch (const run_error& error) {
        return error.number();
    }
    return 0;
}

TEST(catalogue_file, missing_file_is_error_53_with_its_full_path) {
    const program_folder folder;
    try {
        load_catalogue(folder.file());
        FAIL() << "no error";
    } catch (const run_error& error) {
        EXPECT_EQ(error.number(), 53);
        EXPECT_EQ(error.text(), QStringLiteral("File not found"));
        EXPECT_EQ(error.where(), QDir::toNativeSeparators(folder.file()));
    }
}

TEST(catalogue_file, a_folder_in_its_place_is_an_access_error) {
    const program_folder folder;
    ASSERT_TRUE(QDir().mkpath(folder.file()));
    EXPECT_EQ(error_number_of(folder.file()), run_errors::path_file_access_error);
}

TEST(catalogue_file, bytes_are_windows_1252) {
    const program_folder folder(QByteArray("\"Denmark\",\"Superliga\",\"(level 1)\",0,\"Br\xf8ndby IF\"\r\n"));
    const lagliste catalogue = load_catalogue(folder.file());
    EXPECT_EQ(catalogue.team_table[0].team, QStringLiteral(u"Brøndby IF"));
}

TEST(catalogue_file, the_largest_catalogue_loads_and_one_more_team_overflows) {
    const program_folder full(generated_catalogue(max_teams));
    const lagliste catalogue = load_catalogue(full.file());
    EXPECT_EQ(catalogue.team_count(), max_teams + 1);
    EXPECT_EQ(catalogue.team_table[max_teams - 1].team, QStringLiteral("Team 32766"));
    EXPECT_EQ(catalogue.team_table[max_teams], team_record{});

    const program_folder over(generated_catalogue(max_teams + 1));
    try {
        load_catalogue(over.file());
        FAIL() << "no error";
    } catch (const run_error& error) {
        EXPECT_EQ(error.number(), 6);
        EXPECT_TRUE(error.where().contains(QStringLiteral("Record 32767, line 32767")));
    }
}

TEST(catalogue_file, full_catalogue_with_terminator_has_no_spare_slot) {
    const program_folder folder(generated_catalogue(max_teams) + "\"\",\"\",\"\",0,\"\"\r\n");
    EXPECT_EQ(load_catalogue(folder.file()).team_count(), max_teams);
}

// Start-up: any catalogue error is reported once and no window is made.
TEST(start_up, catalogue_errors_are_reported_and_no_window_is_made) {
    const program_folder missing;
    const program_folder short_record(QByteArray("A,B,C,0"));
    const program_folder overflow(QByteArray("A,B,C,70000,D\r\n"));
    const struct {
        const program_folder* folder;
        int number;
    } cases[] = {{&missing, 53}, {&short_record, 62}, {&overflow, 6}};
    for (const auto& c : cases) {
        std::vector<int> reported;
        set_error_box_hook([&](const run_error& error) { reported.push_back(error.number()); });
        EXPECT_EQ(start_up(c.folder->path()), nullptr);
        EXPECT_EQ(reported, std::vector<int>{c.number});
    }
    set_error_box_hook([](const run_error& error) { ADD_FAILURE() << error.message().toStdString(); });
}

TEST(start_up, good_catalogue_gives_a_hidden_main_window_holding_it) {
    const program_folder folder(generated_catalogue(3));
    const auto window = start_up(folder.path());
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->catalogue().team_count(), 4);
}

} // namespace
