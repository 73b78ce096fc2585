# Counting checks for the shell tests: `check NAME COMMAND...` runs the command and counts it
# as passed or failed, naming a failure on standard error. Sourced by the test scripts.
passed=0
failed=0
check() { # check NAME COMMAND...
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $name" >&2
    fi
}
