#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# Runs a command on a virtual X server of its own, for every test and for
# scripts/run. -noreset: by default the server resets when its last client
# leaves, and drops a client connecting meanwhile (as xdotool polls do).
# Usage: xvfb.sh [XVFB_RUN_OPTIONS...] COMMAND [ARGS...]
exec xvfb-run -a -s "-screen 0 1280x720x24 -nolisten tcp -noreset" "$@"
