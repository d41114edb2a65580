#include "CourseDrive.h"

#include "ProcessMemory.h"
#include "home/ModulValaszt.h"
#include "shell/ModulVezerlo.h"
#include "support/Learner.h"
#include "support/LearnerMoves.h"
#include "support/PageSamples.h"
#include "support/RandomInput.h"
#include <algorithm>
#include <cstdio>
#include <typeindex>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr long ResidentLimitKb = 3L * 1024 * 1024; // the sanitizer's shadow and quarantine
#else
constexpr long ResidentLimitKb = 400L * 1024;
#endif

// Boxes a learner meets on the road: the exit question, a mistyped digit row.
const QSet<QString> ExpectedBoxes = {
    QStringLiteral("Valóban ki akarsz lépni a programból?"),
    QStringLiteral("Nézd meg figyelmesebben, valamit elgépeltél..."),
};

} // namespace

struct TCourseDrive::TState {
    explicit TState(std::uint64_t seed) : input(course, seed) {}

    TLearner course;
    TRandomInput input;
    std::map<std::type_index, QString> moduleWords; // module class -> its chooser word
    QMap<QString, QSet<QString>> pagesOf;           // chooser word -> its page names
    std::size_t boxesSeen = 0;
    QString event; // what the last event was, for the report

    int Pick(int n) { return input.Pick(n); }

    QString CurrentModuleWord() const
    {
        const auto module = course.bitlak->Controller()->CurrentModule();
        if (!module)
            return QString();
        const auto found = moduleWords.find(std::type_index(typeid(*module)));
        return found == moduleWords.end() ? QStringLiteral("?") : found->second;
    }

    void LearnTheTable()
    {
        const TModuleTable table = course.Modules();
        for (const TModuleTable::TRow& row : table.Rows()) {
            const auto module = row.factory();
            moduleWords[std::type_index(typeid(*module))] = row.value;
            for (const TPageSample& sample : PageSamples::Of(row.value)) {
                IModuleElement* page = sample.make();
                pagesOf[row.value].insert(page->GetPageName());
                delete dynamic_cast<QWidget*>(page);
            }
        }
        TLearner::Settle();
    }

    // The share of a topic's pages the learner has met.
    double Met(const QMap<QString, QSet<QString>>& visited, const QString& topic) const
    {
        return double(visited.value(topic).size()) / double(std::max<qsizetype>(1, pagesOf.value(topic).size()));
    }

    // A move that takes the learner on; on the chooser, into the topic whose pages were met least
    // (as a share, so that a long road is not left half seen).
    void HelpfulMove(const QMap<QString, QSet<QString>>& visited)
    {
        event = QStringLiteral("a helpful move");
        if (LearnerMoves::Helpful(course) || !course.CurrentPageAs<TModulValaszt>())
            return;
        QString wanted;
        for (auto row = pagesOf.begin(); row != pagesOf.end(); ++row)
            if (row.key() != QLatin1String("RETURN_TO_MAIN")
                && (wanted.isEmpty() || Met(visited, row.key()) < Met(visited, wanted)))
                wanted = row.key();
        LearnerMoves::Choose(course, wanted);
    }

    void RandomEvent(const QMap<QString, QSet<QString>>& visited)
    {
        const int kind = Pick(100);
        if (kind < 30) {
            event = input.Character(QStringLiteral("tTlLqQaáőŐűÉzy0159§\"+!%/=()?~\\[]$<>#@{}* ,.-ABCabcnNőöü"));
        } else if (kind < 45) {
            event = input.Key({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_CapsLock,
                               Qt::Key_NumLock, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab,
                               Qt::Key_Space, Qt::Key_Delete, Qt::Key_F1, Qt::Key_Home, Qt::Key_End, Qt::Key_F12},
                              {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                               Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier});
        } else if (kind < 52) {
            event = input.HalfKey();
        } else if (kind < 54) {
            event = input.Composed();
        } else if (kind < 72) {
            event = input.Click();
        } else if (kind < 75) {
            event = input.DoubleClick();
        } else if (kind < 79) {
            event = input.Drag();
        } else if (kind < 80) {
            event = QStringLiteral("a click on the back area");
            LearnerMoves::Leave(course);
        } else if (kind < 88) {
            event = input.Wait(3000);
        } else {
            HelpfulMove(visited);
        }
    }

    // Empty when all is well.
    QString Check()
    {
        if (course.terminations != 0)
            return QStringLiteral("the course ended");
        if (course.PagesAlive() != 1)
            return QStringLiteral("%1 pages alive").arg(course.PagesAlive());
        const auto& boxes = course.messages.ShownBoxes();
        for (; boxesSeen < boxes.size(); ++boxesSeen) {
            const auto& box = boxes[boxesSeen];
            if (box.kind == TScriptedMessageBoxes::Kind::Error || !ExpectedBoxes.contains(box.text))
                return QStringLiteral("a box the road does not expect: ") + box.text;
        }
        TBaseForm* page = course.CurrentPage();
        if (!page)
            return QStringLiteral("no page on screen");
        const QString module = CurrentModuleWord();
        const QString name = page->GetPageName();
        if (!pagesOf.value(module).contains(name) && !pagesOf.value(QStringLiteral("RETURN_TO_MAIN")).contains(name))
            return QStringLiteral("the page %1 belongs neither to %2 nor to home").arg(name, module);
        return QString();
    }
};

TCourseDrive::TCourseDrive(std::uint64_t seed) : state_(std::make_unique<TState>(seed))
{
    // The pages draw from a long fixed sequence of the run's own.
    std::vector<int> draws;
    for (int i = 0; i < 4000; ++i)
        draws.push_back(state_->input.Pick(2000000));
    state_->course.random = TFixedRandom(draws);
    state_->course.ActivateStage();
    state_->LearnTheTable();
    state_->course.StartCourse();
}

TCourseDrive::~TCourseDrive() = default;

QString TCourseDrive::Run(long events)
{
    TState& s = *state_;
    for (long i = 0; i < events; ++i) {
        const QString page = s.course.CurrentPageName();
        visited_[s.CurrentModuleWord()].insert(page);
        try {
            s.RandomEvent(visited_);
        } catch (const std::exception& error) {
            return QStringLiteral("event %1 (%2) on %3: escaped %4").arg(i).arg(s.event, page, QString::fromUtf8(error.what()));
        }
        ++eventsDone_;
        QString failure = s.Check();
        if (failure.isEmpty() && i % 1000 == 0 && ProcessMemory::ResidentKb() > ResidentLimitKb)
            failure = QStringLiteral("resident memory %1 MB").arg(ProcessMemory::ResidentKb() / 1024);
        if (!failure.isEmpty())
            return QStringLiteral("event %1 (%2) on %3: %4").arg(i).arg(s.event, page, failure);
    }
    visited_[s.CurrentModuleWord()].insert(s.course.CurrentPageName());
    return QString();
}
