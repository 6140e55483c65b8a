// Tvx_DlgPromptString: the modal dialog that asks the user for one text (a
// header caption, a new name, a number), with a caption, a prompt, a proposed
// value and the texts of its two buttons. Template 8069.
//
//   Tvx_DlgPromptString prompt(parent);
//   prompt.setCaption(L"Rename");
//   prompt.setPrompt(L"New name:");
//   prompt.setValue(L"Plate");
//   if (prompt.DoModal() == IDOK) use(prompt.value());
//
// While empty answers are refused (the default), OK with an empty edit keeps
// the dialog open; the value is then still the proposed one. The value is
// taken over only when the dialog ends with OK.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/ui/CDialog.h"

class Tvx_DlgPromptString : public CDialog {
  public:
    static constexpr int kTemplateId = 8069;
    static constexpr int kPromptText = 1001;
    static constexpr int kValueEdit = 1002;

    explicit Tvx_DlgPromptString(CWnd* parent = nullptr);

    void setCaption(const Tvx_String& caption) { caption_ = caption; }
    void setPrompt(const Tvx_String& prompt) { prompt_ = prompt; }
    void setValue(const Tvx_String& value) { value_ = value; }
    // The texts of the OK and Cancel buttons; "Ok" and "Cancel" until set.
    void setButtonTexts(const Tvx_String& okText, const Tvx_String& cancelText);
    void setRefuseEmpty(bool refuse) { refuseEmpty_ = refuse; }

    // The proposed value, or after OK the entered one.
    const Tvx_String& value() const { return value_; }

    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    Tvx_String caption_;
    Tvx_String prompt_;
    Tvx_String value_;
    Tvx_String okText_ = L"Ok";
    Tvx_String cancelText_ = L"Cancel";
    bool refuseEmpty_ = true;
};
