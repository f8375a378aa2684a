#!/usr/bin/env bash
# Runs lintian on a .changes file (its source and binary packages) down to
# pedantic, and fails on anything but what debian/*lintian-overrides and these
# two tags justify. They come from Debian 13's lintian only, so they cannot be
# overrides (Debian 12's would call those unused):
#   out-of-date-standards-version         the package keeps Debian 12's policy
#                                         version, so that one source is clean on both
#   appstream-metadata-validation-failed  appstreamcli 1.0 asks for a home page,
#                                         which the project does not have; the same
#                                         metainfo passes validate_metainfo.sh
# Usage: lintian_check.sh FILE.changes
set -uo pipefail
report=$(lintian --pedantic --display-info "$1" 2>&1 | grep -v 'running with root privileges')
echo "lintian says: ${report:-nothing}"
! grep -vE ': (out-of-date-standards-version|appstream-metadata-validation-failed) ' <<<"$report" |
    grep -q .
