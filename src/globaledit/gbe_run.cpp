#include "globaledit/gbe_run.h"

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
    progress.setRange(0, static_cast<int>(file.records.size()));
    progress.setValue(0);
    int done = 0;
    for (const GlobalEditSettings& settings : file.records) {
        if (showRecord) {
            showRecord(settings);
        }
        const std::string fieldText(editFieldText(settings.field));
        progress.setLabel(kFileProgressLabelPrefix + fieldText);
        progress.setValue(++done);
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
    return reports;
}

}  // namespace zt::globaledit
