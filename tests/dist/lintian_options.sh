# SPDX-FileCopyrightText: 2026 Tovalin developers
# SPDX-License-Identifier: MIT
# How the packages are checked with lintian, here and inside sbuild: down to
# pedantic, failing on any tag that debian/*lintian-overrides do not justify.
# Debian 13's lintian has two more that cannot be overrides, as Debian 12's
# would call those unused (and does not know the second); they are let
# through where the lintian that runs is Debian 13's:
#   out-of-date-standards-version         the package keeps Debian 12's policy
#                                         version, so that one source is clean on both
#   appstream-metadata-validation-failed  appstreamcli 1.0 asks for a home page,
#                                         which the project does not have; the same
#                                         metainfo passes validate_metainfo.sh
# Sourced.
LINTIAN_OPTIONS=(--pedantic --display-info --fail-on error,warning,info,pedantic)
LINTIAN_DEBIAN13_OPTIONS=(--suppress-tags
    out-of-date-standards-version,appstream-metadata-validation-failed)
