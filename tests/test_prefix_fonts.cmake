# Glyphs are only drawn, and can only be read back, on a real display.
duelmark_add_display_test(test_prefix_fonts_display test_prefix_fonts "PrefixFontsTest.*" 800x600)
