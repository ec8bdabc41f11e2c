// Placeholder until the dialogs land.
