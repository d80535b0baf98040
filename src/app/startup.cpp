#include "startup.h"

#include "catalogue/lagliste.h"
#include "catalogue/random_source.h"
#include "error_report.h"
#include "nation_draw/frm_cmtrekning.h"

namespace clubdraw {

std::unique_ptr<frm_cmtrekning> start_up(const QString& program_folder) {
    try {
        auto random = std::make_unique<clock_random_source>();
        lagliste catalogue = load_catalogue(catalogue_path(program_folder));
        return std::make_unique<frm_cmtrekning>(std::move(catalogue), std::move(random));
    } catch (const run_error& error) {
        report_run_error(error);
        return nullptr;
    }
}

} // namespace clubdraw
