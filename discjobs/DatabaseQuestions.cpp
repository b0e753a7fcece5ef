#include "discjobs/DatabaseQuestions.h"

#include "discsave/DiscReport.h"

#include <cctype>

void DatabaseQuestions::ask(const Read& read, std::function<void(const Answers&)> done)
{
    struct Asking {
        Answers answers;
        bool accurateRipDone = false;
        bool ctdbDone = false;
        std::function<void(const Answers&)> done;
    };
    auto asking = std::make_shared<Asking>();
    asking->answers.tracks = read.tracks;
    asking->done = std::move(done);
    const auto tellWhenBoth = [asking] {
        if (asking->accurateRipDone && asking->ctdbDone)
            asking->done(asking->answers);
    };
    const auto judged = [asking, id = read.id,
                         tellWhenBoth](const AccurateRipClient::Records& records) {
        Answers& answers = asking->answers;
        DiscReport::judge(answers.tracks, id, records);
        if (!id)
            answers.accurateRipSilent = Reason(QT_TRANSLATE_NOOP(
                "Reason", "the image's tracks name no disc AccurateRip could know"));
        else if (!records)
            answers.accurateRipSilent = Reason(
                AccurateRipClient::Settings::read().lookup
                    ? QT_TRANSLATE_NOOP("Reason",
                                        "AccurateRip could not be asked, or answered nonsense")
                    : QT_TRANSLATE_NOOP("Reason",
                                        "AccurateRip is not asked: lookup is off in the settings"));
        asking->accurateRipDone = true;
        tellWhenBoth();
    };
    m_ctdb.check(read.toc, read.ctdbSums, read.tracks.size(),
                 [asking, tellWhenBoth](const CtdbCheck::Outcome& outcome) {
                     asking->answers.ctdb = outcome;
                     asking->ctdbDone = true;
                     tellWhenBoth();
                 });
    if (read.id)
        m_accurateRip.lookUp(*read.id, judged);
    else
        judged(std::nullopt);
}

std::vector<std::string> DatabaseQuestions::Answers::ctdbLogLines() const
{
    std::vector<int> numbers;
    for (const TrackResult& track : tracks)
        numbers.push_back(track.number);
    std::vector<std::string> lines = ctdb.verdict.logLines(numbers);
    if (!ctdb.why.empty()) {
        std::string why = ctdb.why.english();
        why[0] = char(std::toupper(static_cast<unsigned char>(why[0])));
        lines.insert(lines.end() - 1, why);
    }
    return lines;
}
