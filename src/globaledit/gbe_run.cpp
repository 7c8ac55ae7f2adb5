#include "globaledit/gbe_run.h"

#include <algorithm>

#include "globaledit/edit_fields.h"
#include "globaledit/global_edit_messages.h"

namespace zt::globaledit {

namespace {

// Suppresses the runs' result messages for the time of a file run, whichever way it ends.
class QuietRuns {
public:
    explicit QuietRuns(RunContext& context) : m_context(context), m_saved(context.reportResult) {
        m_context.reportResult = false;
    }
    QuietRuns(const QuietRuns&) = delete;
    QuietRuns& operator=(const QuietRuns&) = delete;
    ~QuietRuns() { m_context.reportResult = m_saved; }

private:
    RunContext& m_context;
    bool m_saved;
};

}  // namespace

std::vector<RecordReport> runGbeFile(League& league,
                                     const GbeFile& file,
                                     RunContext& context,
                                     Progress& progress,
                                     const std::function<void(const GlobalEditSettings&)>& showRecord,
                                     const std::function<void(const RecordReport&)>& recordDone) {
    QuietRuns quiet(context);
    std::vector<RecordReport> reports;
    // The header's count sets the bar's maximum even when the file holds another number of
    // records: the bar then stops at its end (or never reaches it), and never goes below 0.
    const int maximum = std::max(file.headerCount, 0);
    progress.setRange(0, maximum);
    progress.setValue(0);
    int done = 0;
    for (const GlobalEditSettings& settings : file.records) {
        if (showRecord) {
            showRecord(settings);
        }
        const std::string fieldText(editFieldText(settings.field));
        progress.setLabel(kFileProgressLabelPrefix + fieldText);
        done = std::min(done + 1, maximum);
        progress.setValue(done);
        try {
            const RunReport run = runModification(league, settings, context);
            reports.push_back({run.fieldText, run.playersCounted, std::nullopt});
        } catch (const ValidationError& e) {
            context.interaction.warning(e.what());
            reports.push_back({fieldText, 0, std::string(e.what())});
        }
        if (recordDone) {
            recordDone(reports.back());
        }
    }
    if (file.endsInsideRecord) {
        context.interaction.warning(incompleteRecordMessage(file.path));
    }
    return reports;
}

}  // namespace zt::globaledit
