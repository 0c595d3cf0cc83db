#pragma once
// Undo and redo of the actions that change the brackets.
namespace vkr {

struct TTourney;

// One undo level before an action; empties the redo list.
void TakeUndoSnapshot(TTourney& t);
// Empties both lists (the entry list changes).
void ClearUndoRedo(TTourney& t);
void UndoClick(TTourney& t);
void RedoClick(TTourney& t);
bool CanUndo(const TTourney& t);
bool CanRedo(const TTourney& t);

}  // namespace vkr
