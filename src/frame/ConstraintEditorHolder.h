// The single modeless constraint editor of the module: at most one is open at
// a time, owned here from its opening until EndDlgEditConstraints.
#pragma once

#include <memory>

#include "platform/ui/CDialog.h"

class ConstraintEditorHolder {
  public:
    bool isOpen() const { return editor_ != nullptr; }
    CDialog* editor() const { return editor_.get(); }
    // Takes an editor whose window is open; false (the editor is deleted) when
    // one is open already or the editor is null.
    bool adopt(std::unique_ptr<CDialog> editor);
    // EndDlgEditConstraints: when an editor is open, destroys its window
    // (printing "Erase window failed\n" on the command line when that fails),
    // deletes it and re-issues the host's command prompt. Nothing happens
    // when none is open.
    void close();

  private:
    std::unique_ptr<CDialog> editor_;
};

// The module's holder.
ConstraintEditorHolder& constraintEditor();

// Closes the modeless constraint editor (ConstraintEditorHolder::close).
void EndDlgEditConstraints();
