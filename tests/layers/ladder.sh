# The two ladders, lowest folder first (README.md, "Layout"); sourced by the
# include and call checks.
platform_ladder="base gfx font file event script wm display nav print"
vok_ladder="util frame console draw plot params graph contour surface output"
