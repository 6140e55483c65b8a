// The dialog templates of the module frame, registered when the module is
// attached (registerFrameTemplates may also be called directly; registering
// again replaces the templates with the same ones).
#pragma once

// The hidden standards window: a sheet placeholder filling the dialog.
inline constexpr int kStandardsDialogTemplate = 253;
inline constexpr int kStandardsSheetPlaceholder = 1196;

void registerFrameTemplates();
