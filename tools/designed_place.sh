# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that click into the running window, from the top of the work tree.
# designed_centre NAME prints the centre of the button, combo box or text box of that name, in
# pixels of the client area, from its row of the design table (mainwindow/design.cpp). These
# child windows keep their designed places in the right-to-left window.
designed_centre() {
    local row
    row=$(grep -o -m 1 "\"$1\", {[-0-9., ]*}" mainwindow/design.cpp) || {
        echo "no row named $1 in mainwindow/design.cpp" >&2
        return 1
    }
    echo "$row" | tr -d '",{}' | awk '{ printf "%d %d\n", ($2 + $4 / 2) / 15, ($3 + $5 / 2) / 15 }'
}
