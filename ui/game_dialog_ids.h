// Resource ids of the game dialogs and their controls (the resource script
// uses the same numbers).
#pragma once

constexpr int kRemarksDialog = 400;  ///< "Uwagi"
constexpr int kRemarksEdit = 401;    ///< the remarks, read-only

constexpr int kAboutDialog = 410;   ///< "O programie"
constexpr int kAboutWebLink = 411;  ///< clickable web page address
constexpr int kAboutMailLink = 412; ///< clickable contact address

constexpr int kNewGameDialog = 420;      ///< "Nowa gra"
constexpr int kNewGameStation = 421;     ///< "Stacja: ..."
constexpr int kNewGamePreview = 422;     ///< consist preview available (disabled check box)
constexpr int kNewGameShedTransfers = 423;  ///< locomotives may move between sheds
constexpr int kNewGameTestGame = 424;    ///< test game without penalty points
constexpr int kNewGameRemarks = 425;     ///< opens the remarks

constexpr int kShiftSummaryDialog = 520;  ///< "Podsumowanie dyżuru"
constexpr int kShiftSummaryFirst = 521;   ///< statics 521..528 in the order of ShiftSummaryTexts

constexpr int kEventLogDialog = 530;  ///< "Dziennik zdarzeń"
constexpr int kEventLogList = 531;
constexpr int kEventLogSave = 532;    ///< "Zapisz do pliku"

constexpr int kUpcomingDialog = 540;  ///< "Najbliższe pół godziny"
constexpr int kUpcomingList = 541;

constexpr int kFindTrainDialog = 550;  ///< "Szukaj pociągu"
constexpr int kFindTrainEdit = 551;
constexpr int kFindTrainResult = 552;

constexpr int kApiKeyDialog = 580;       ///< "Klucz do API PLK"
constexpr int kApiKeyExplanation = 581;
constexpr int kApiKeyEdit = 582;
constexpr int kApiKeyNote = 583;
