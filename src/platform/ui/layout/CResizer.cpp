// Moving a dialog's controls by its border table.
#include "platform/ui/layout/CResizer.h"

#include "platform/ui/CWnd.h"

bool CResizer::Init(CWnd* dialog, const layout::BorderRule* rules, int count) {
    if (!rules || count < 0)
        count = 0;
    return Init(dialog, std::vector<layout::BorderRule>(rules, rules + count));
}

bool CResizer::Init(CWnd* dialog, const std::vector<layout::BorderRule>& rules) {
    dialog_ = nullptr;
    if (!dialog || !dialog->GetSafeHwnd()) {
        problem_ = "no dialog window";
        return false;
    }
    CRect client;
    dialog->GetClientRect(&client);
    std::map<int, CRect> places;
    for (const layout::BorderRule& rule : rules) {
        CWnd* control = dialog->GetDlgItem(rule.controlId);
        if (!control)
            continue;  // reported by the table as "has no place"
        CRect rect;
        control->GetWindowRect(&rect);
        dialog->ScreenToClient(&rect);
        places[rule.controlId] = rect;
    }
    if (!table_.setUp(rules, client.Size(), places, &problem_))
        return false;
    problem_.clear();
    dialog_ = dialog;
    return true;
}

bool CResizer::Move() {
    if (!isSetUp() || !dialog_->GetSafeHwnd())
        return false;
    CRect client;
    dialog_->GetClientRect(&client);
    for (const auto& [id, rect] : table_.place(client.Size())) {
        if (CWnd* control = dialog_->GetDlgItem(id))
            control->MoveWindow(&rect, FALSE);
    }
    dialog_->Invalidate();
    return true;
}
