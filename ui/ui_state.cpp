// The user interface's shared flags and the selected point.
#include "ui/ui_state.h"

#include "model/game.h"

UiFlags gUi;
SelectionState gSelection;
SectionRequest gSectionRequest;

int SelectedPoint()
{
    if (!gUi.gameRunning || gSelection.selectedTile == 0) return -1;
    return TheGame().FindPointByTile(gSelection.selectedTile);
}
