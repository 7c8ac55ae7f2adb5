#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "globaledit/gbe_file.h"
#include "globaledit/global_edit_run.h"
#include "league/league.h"
#include "league/progress.h"

namespace zt::globaledit {

// What one record of a .gbe file did.
struct RecordReport {
    std::string fieldText;
    int playersCounted = 0;
    std::optional<std::string> refusal;  // the validation message when the record was skipped
};

// "Open": runs every record in order, each exactly as "&Execute !" runs the same settings,
// with the result messages of the runs suppressed. Progress: range 0 to the header's count,
// label "Modifying " and the field's text, value advanced by one per record up to the maximum.
// A file that ends inside a record says so after its whole records ran. `showRecord`, when
// given, receives each record's settings before it runs (the window puts them in its controls),
// `recordDone` each record's report after it ran. A record refused by its validation shows its
// message and is skipped; any other error ends the file run (the exception propagates; records
// run before keep their changes).
std::vector<RecordReport> runGbeFile(League& league,
                                     const GbeFile& file,
                                     RunContext& context,
                                     Progress& progress,
                                     const std::function<void(const GlobalEditSettings&)>& showRecord = {},
                                     const std::function<void(const RecordReport&)>& recordDone = {});

}  // namespace zt::globaledit
