# A virtual X server with a light window manager, for driving the real
# program. Source it, then call start_x_session WORK_FOLDER; the server and
# the window manager end with stop_x_session (or the caller's EXIT trap).

x_session_pids=()

start_x_session() {
    local work=$1
    local tool
    for tool in Xvfb openbox xdotool import; do
        command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps test" >&2; return 1; }
    done
    # -displayfd lets the server pick a free display number.
    Xvfb -displayfd 1 -screen 0 1600x900x24 -nolisten tcp >"$work/display" 2>/dev/null &
    x_session_pids+=($!)
    for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
    [[ -s "$work/display" ]] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$work/display")"
    openbox >/dev/null 2>&1 &
    x_session_pids+=($!)
    sleep 0.5
}

stop_x_session() {
    local pid
    for pid in "${x_session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait "${x_session_pids[@]}" 2>/dev/null || true
    x_session_pids=()
}

# Waits up to 5 s for a process to end; returns its exit status, or 124.
wait_for_exit() {
    local pid=$1
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$pid" 2>/dev/null && return 124
    wait "$pid"
}
