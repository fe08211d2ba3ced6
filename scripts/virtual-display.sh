# Sourced by the scripts that need an X server without a screen. Sourcing makes a scratch
# folder $tmp and a clean-up on exit that ends the program in $app_pid (once the caller has
# set it), stops the server and removes $tmp.
tmp=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup_virtual_display() {
    if [[ -n $app_pid ]]; then kill -KILL "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; fi
    if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup_virtual_display EXIT
trap 'exit 130' INT TERM

# Starts Xvfb, waits until it accepts clients, and exports DISPLAY and XDG_RUNTIME_DIR.
# Returns 1 with a message on standard error when the server does not come up.
start_virtual_display() {
    local dir=$tmp
    # -displayfd picks a free display and reports it once clients can connect; -noreset
    # keeps the server from resetting (and refusing connections) when its last client leaves.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s $dir/display ]] && break
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "Xvfb failed to start: $(cat "$dir/xvfb.log")" >&2
            return 1
        fi
        sleep 0.1
    done
    if [[ ! -s $dir/display ]]; then
        echo "Xvfb did not become ready" >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$dir/display")"
    # Qt warns when this is missing, as it is in containers and CI.
    if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
        export XDG_RUNTIME_DIR="$dir/xdg"
        mkdir -m 700 "$XDG_RUNTIME_DIR"
    fi
}
