"""Counts the sounds in a recording of raw mono 16-bit samples: each run of sound that follows at
least 50 ms of silence is one. Usage: count_sounds.py FILE RATE"""
import array
import sys

samples = array.array("h", open(sys.argv[1], "rb").read())
rate = int(sys.argv[2])
threshold = 300
quiet_needed = rate // 20
count = 0
quiet = quiet_needed
for sample in samples:
    if abs(sample) > threshold:
        if quiet >= quiet_needed:
            count += 1
        quiet = 0
    else:
        quiet += 1
print(count)
