#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Runs a command on a virtual X server of its own, as every test of the tree
# and scripts/run do: the first free display, 1280 × 720, no TCP. -noreset:
# by default the server resets whenever its last client leaves, and drops any
# client connecting meanwhile, as a program does while xdotool polls for its
# window.
# Usage: xvfb.sh [XVFB_RUN_OPTIONS...] COMMAND [ARGS...]
exec xvfb-run -a -s "-screen 0 1280x720x24 -nolisten tcp -noreset" "$@"
