// Texts of couplings and uncouplings in progress.
#include "simulation/coupling_texts.h"

#include "simulation/notify.h"
#include "simulation/slot_queries.h"
#include "simulation/track_names.h"

namespace {

int32_t CountdownSeconds(Game& game, int32_t point, int32_t pos)
{
    return game.SlotCountdown(point, pos) * game.clock.Step(0);
}

}  // namespace

bool IsCouplingVehicle(Game& game, int32_t point, int32_t pos)
{
    return pos >= 0 && pos < kSlotsPerPoint && game.SlotCountdown(point, pos) >= 1 &&
           !game.IsSlotConsistMoving(point, pos);
}

bool IsCouplingNeighbour(Game& game, int32_t point, int32_t pos)
{
    return IsCouplingVehicle(game, point, pos) &&
           (IsCouplingVehicle(game, point, pos - 1) || IsCouplingVehicle(game, point, pos + 1));
}

int32_t CouplingPairIndex(Game& game, int32_t point, int32_t pos)
{
    if (pos < 0 || !IsCouplingNeighbour(game, point, pos)) return -1;
    bool previousOpened = false;
    bool opens = false;
    for (int32_t i = 0; i <= pos; ++i) {
        opens = IsCouplingNeighbour(game, point, i) && !previousOpened;
        previousOpened = opens;
    }
    return opens ? pos : pos - 1;
}

std::string CouplingStatusText(Game& game, int32_t point, int32_t pos)
{
    if (point < 0 || pos < 0 || game.SlotCountdown(point, pos) < 1) return std::string();
    const char* what = game.SlotCoupled(point, pos) ? "Rozłączanie" : "Łączenie";
    return std::string(what) + " - potrwa " + std::to_string(CountdownSeconds(game, point, pos)) + " s";
}

std::string CouplingProgressText(Game& game, int32_t point, int32_t pos)
{
    const int32_t left = CouplingPairIndex(game, point, pos);
    if (left < 0) return std::string();
    const char* what = game.SlotCoupled(point, left) ? "rozłączanie" : "łączenie";
    return std::string(what) + ": jeszcze " + std::to_string(CountdownSeconds(game, point, pos)) + " s";
}

std::string VehicleNounPhrase(Game& game, int32_t point, int32_t pos, int32_t nounCase)
{
    static const char* const kTrain[] = {"pociąg", "pociągu", "pociągiem"};
    static const char* const kCars[] = {"wagony", "wagonów", "wagonami"};
    const int32_t c = nounCase == kGenitive || nounCase == kInstrumental ? nounCase : kNominative;
    if (game.SlotVehicleType(point, pos) == 0) return std::string();
    const std::string name = game.VehicleTypeName(point, pos);
    if (game.SlotKind(point, pos) >= kKindElectricLoco) return name;
    const int32_t train = game.SlotTrain(point, pos);
    if (train >= 0 && train < game.TrainCount()) {
        MallocPtr number = game.TrainNumberText(train, kRawRow, kDepartureSide);
        if (number) return std::string(kTrain[c]) + " " + number.Text();
    }
    return name.empty() ? kCars[c] : name;
}

void LogCouplingEvent(Game& game, int32_t point, int32_t pos)
{
    if (!NotifyGameRunning() || point < 0 || pos < 0) return;
    const bool uncoupling = game.SlotCoupled(point, pos) != 0;
    const std::string a = VehicleNounPhrase(game, point, pos, kNominative);
    const std::string b = VehicleNounPhrase(game, point, pos + 1, uncoupling ? kGenitive : kInstrumental);
    if (a.empty() || b.empty()) return;
    const std::string text = std::string(uncoupling ? "Rozłączanie" : "Łączenie") + ": " + a +
                             (uncoupling ? " od " : " z ") + b + PointAtText(game, point);
    NotifyLogEvent(text.c_str());
}
