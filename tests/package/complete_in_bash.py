#!/usr/bin/env python3
"""Types a line and a Tab into an interactive bash on a pseudo-terminal, with the completion
file loaded, and prints the line as readline leaves it.
   complete_in_bash.py COMPLETION_FILE TEXT"""
import os, pty, re, select, sys, time

completion, text = sys.argv[1], sys.argv[2]
pid, fd = pty.fork()
if pid == 0:
    env = dict(os.environ, PS1="$ ", INPUTRC="/dev/null", TERM="dumb", HISTFILE="/dev/null")
    os.execvpe("bash", ["bash", "--norc", "--noprofile", "-i"], env)

def read_until(pattern, seconds=10):
    seen, end = b"", time.monotonic() + seconds
    while time.monotonic() < end:
        ready, _, _ = select.select([fd], [], [], 0.1)
        if ready:
            try:
                seen += os.read(fd, 4096)
            except OSError:
                break
            if re.search(pattern, seen):
                return seen
    sys.exit("bash did not answer: " + seen.decode(errors="replace"))

os.write(fd, ("source '%s'; echo loaded\n" % completion).encode())
read_until(rb"\nloaded\r?\n")
# Tab completes; Ctrl-A and Ctrl-E then wrap the finished line in an echo of brackets.
os.write(fd, text.encode() + b"\t")
time.sleep(0.5)
os.write(fd, b"\x01echo [\x05]\n")
shown = read_until(rb"\n\[[^\r\n]*\]\r?\n").decode(errors="replace")
os.write(fd, b"exit\n")
os.waitpid(pid, 0)
print(re.findall(r"\n\[([^\r\n]*)\]\r?\n", shown)[-1])
