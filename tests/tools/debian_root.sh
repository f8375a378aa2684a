# A Debian root for the tests that build or run on another release or
# processor, made once with debootstrap and kept in the build folder.
# Sourced; needs root.
#   debian_root ROOT SUITE [ARCH]   makes ROOT unless it is complete already
#   in_root ROOT SCRIPT             runs the bash SCRIPT in ROOT, with /proc,
#                                   /sys, /dev and the X sockets mounted for
#                                   that run alone
#   release_root ROOT               unmounts them

# Debian's archive as this machine's apt sources name it.
debian_mirror() {
    local mirror
    mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -o -m 1 -E 'https?://[^ ]+/debian/?$' || true)
    echo "${mirror:-http://deb.debian.org/debian}"
}

debian_root() {
    local root=$1 suite=$2 arch=${3:-}
    [ -f "$root/.complete" ] && return 0
    command -v debootstrap >/dev/null || ensure_packages debootstrap
    [ ! -d "$root" ] || release_root "$root"
    rm -rf "$root"
    mkdir -p "$root"
    debootstrap --variant=minbase ${arch:+--arch="$arch"} "$suite" "$root" "$(debian_mirror)" \
        >"$root.log" 2>&1 || { tail -n 30 "$root.log"; return 1; }
    touch "$root/.complete"
}

# Mounts what a root needs for one run, and unmounts it after, in this mount
# namespace: a new one cannot be made private inside a chroot, as the test
# command itself may run. /sys and /dev are bound as slaves, so that
# unmounting them here leaves this machine's own alone.
in_root() {
    local root=$1 script=$2 status=0
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # The certificates this machine trusts, for npm behind the same network.
    cp /etc/ssl/certs/ca-certificates.crt "$root/etc/host-ca.pem" 2>/dev/null || true
    release_root "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
    mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
    # The X servers of this machine, for a program that shows a window.
    if [ -d /tmp/.X11-unix ]; then
        mkdir -p "$root/tmp/.X11-unix" && mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    fi
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive NODE_EXTRA_CA_CERTS=/etc/host-ca.pem \
        /bin/bash -euo pipefail -c "$script" || status=$?
    release_root "$root"
    return "$status"
}

# Unmounts whatever in_root mounted in ROOT.
release_root() {
    local dir
    for dir in tmp/.X11-unix dev sys proc; do
        ! mountpoint -q "$1/$dir" || umount -R -l "$1/$dir"
    done
}
