#!/usr/bin/env bash
# Checks that the rooms keep to their floors: the model needs no widgets, the
# lower libraries include nothing above them, and tools and canvas meet only
# through the tool environment.
#   check_layers.sh SOURCE_DIR MODEL_LIB BASE_LIB WIDGETS_LIB WIDGETS_INCLUDE_DIR
set -uo pipefail
TMPDIR_=$(mktemp -d)
trap 'rm -rf "$TMPDIR_"' EXIT
src=$1 model_lib=$2 base_lib=$3 widgets_lib=$4 widgets_headers=$5
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# 1. Nothing the model or the base library calls is defined by Qt Widgets.
nm -D --defined-only "$widgets_lib" | awk '{print $NF}' | sed 's/@.*//' | sort -u > "$TMPDIR_/widgets.sym"
for lib in "$model_lib" "$base_lib"; do
    nm --undefined-only "$lib" 2>/dev/null | awk '{print $NF}' | sort -u > "$TMPDIR_/undef.sym"
    used=$(comm -12 "$TMPDIR_/widgets.sym" "$TMPDIR_/undef.sym" | c++filt | head -5)
    [ -z "$used" ] || fail "$(basename "$lib") uses Qt Widgets: $used"
done

# 2. Includes: the lower floors name nothing above them, and no widget header.
widget_names=$(ls "$widgets_headers" | grep -v '\.h$' | paste -sd'|')
includes() { grep -rnE "^#include" "$@" --include=*.h --include=*.cpp; }
bad=$(includes "$src/model" "$src/base" | grep -E "<(QtWidgets/)?($widget_names)>")
[ -z "$bad" ] || fail "widget headers below the window:"$'\n'"$bad"
bad=$(includes "$src/model" | grep -E '#include "' | grep -vE '"(model|base)/')
[ -z "$bad" ] || fail "the model includes rooms above it:"$'\n'"$bad"
bad=$(includes "$src/base" | grep -E '#include "' | grep -vE '"base/')
[ -z "$bad" ] || fail "the base library includes rooms above it:"$'\n'"$bad"
for room in canvas tools outlines frameeffect capture widgets update; do
    bad=$(includes "$src/$room" | grep -E '#include "app/')
    [ -z "$bad" ] || fail "$room includes app/:"$'\n'"$bad"
done

# 3. Tools and canvas meet only through the tool environment.
bad=$(includes "$src/tools" "$src/frameeffect" "$src/outlines" | grep -E '"canvas/')
[ -z "$bad" ] || fail "tools include the canvas:"$'\n'"$bad"
bad=$(includes "$src/canvas" | grep -E '"(tools|frameeffect|outlines)/' |
      grep -vE '"tools/(LMToolEnvironment|LMScreenMsgHandlerInf|LMGraphFuncInf)\.h"')
[ -z "$bad" ] || fail "the canvas includes a concrete tool:"$'\n'"$bad"
# 4. Printers and PDFs are set up in the model only.
bad=$(grep -rnE "setOutputFormat|setFullPage|setPageMargins" "$src" --include=*.cpp --include=*.h |
      grep -vE "^$src/(model|tests|bench|fuzz)/")
[ -z "$bad" ] || fail "printer set-up outside the model:"$'\n'"$bad"

[ "$failures" -eq 0 ] && echo "layers: all rules kept"
exit $((failures > 0))
