// The single modeless constraint editor.
#include "frame/ConstraintEditorHolder.h"

#include "platform/host/CommandLine.h"
#include "platform/host/EditorRequests.h"

ConstraintEditorHolder& constraintEditor() {
    static ConstraintEditorHolder holder;
    return holder;
}

bool ConstraintEditorHolder::adopt(std::unique_ptr<CDialog> editor) {
    if (!editor || editor_)
        return false;
    editor_ = std::move(editor);
    return true;
}

void ConstraintEditorHolder::close() {
    if (!editor_)
        return;
    if (!editor_->DestroyWindow())
        acutPrintf(L"Erase window failed\n");
    editor_.reset();
    acedPostCommandPrompt();
}

void EndDlgEditConstraints() {
    constraintEditor().close();
}
