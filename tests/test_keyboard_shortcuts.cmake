# Shortcuts need real key input: the modifier state comes with the keys.
duelmark_add_display_test(KeyboardShortcutsOnDisplay test_keyboard_shortcuts "KeyboardShortcutsTest.*" 1024x768)
