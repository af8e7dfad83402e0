// The window-free part of a station view repaint, which runs after every
// timer message: the consists of every point and the track label plan with
// the placement of the codes, on Testowo as a new game leaves it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/game.h"
#include "simulation/notify.h"
#include "ui/consist_infos.h"
#include "ui/track_labels.h"

namespace {

constexpr int kPaneWidth = 900;

// Testowo from the game folder beside the fixtures, with a game running.
class RunningTestowo {
public:
    RunningTestowo() : old_(SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr}))
    {
        const std::string roz = std::string(SEMARION_FIXTURES) + "/../../game/Stacje/Testowo/Testowo.roz";
        ok_ = game_.NewGameFromTimetable(roz.c_str()) == 0;
        view_.scale = kPaneWidth / (44.0 * 14);
    }
    ~RunningTestowo() { SetNotifyHooks(old_); }
    RunningTestowo(const RunningTestowo&) = delete;
    RunningTestowo& operator=(const RunningTestowo&) = delete;

    bool Ok() const { return ok_; }
    Game& TheStation() { return game_; }
    const StationViewState& View() const { return view_; }

private:
    NotifyHooks old_;         ///< put back at the end
    Game game_;               ///< Testowo after a new game
    StationViewState view_;   ///< the whole grid across the pane
    bool ok_ = false;         ///< the new game started
};

void BM_CollectConsistInfosAllRows(benchmark::State& state)
{
    RunningTestowo station;
    if (!station.Ok()) state.SkipWithError("Testowo did not start");
    Game& game = station.TheStation();
    const int32_t rows = game.PointCount() + game.SubTrackCount();
    for (auto _ : state)
        for (int32_t r = 0; r < rows; ++r) benchmark::DoNotOptimize(CollectConsistInfos(game, r));
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_CollectConsistInfosAllRows);

// The plan and the placement of every code, texts measured as 7 pixels a
// character and 14 high.
void BM_TrackLabelPlanAndPlacement(benchmark::State& state)
{
    RunningTestowo station;
    if (!station.Ok()) state.SkipWithError("Testowo did not start");
    for (auto _ : state) {
        const TrackLabelPlan plan = PlanTrackLabels(station.TheStation(), station.View(), kPaneWidth, true, 0);
        std::vector<ViewRect> placed;
        for (const TrackLabelSpot& spot : plan.spots) {
            PlaceLabel(placed, spot, 7 * static_cast<int>(spot.leftText.size()), 14, true, station.View().scale);
            if (!spot.rightText.empty())
                PlaceLabel(placed, spot, 7 * static_cast<int>(spot.rightText.size()), 14, false, station.View().scale);
        }
        for (const TrackLabelRow& row : plan.leftRows) benchmark::DoNotOptimize(FormatLabelDetail(row));
        for (const TrackLabelRow& row : plan.rightRows) benchmark::DoNotOptimize(FormatLabelDetail(row));
        benchmark::DoNotOptimize(placed);
    }
}
BENCHMARK(BM_TrackLabelPlanAndPlacement);

}  // namespace
