# Entries no reader may wait on or read for ever: a FIFO, a link to one, a
# student's folder whose program is a FIFO, and a 200 MB file. The rest of the
# class is graded.
set -e
mkfifo fifo.zan
mkfifo .pipe
ln -s .pipe piped.zan
mkdir folded
mkfifo folded/f.zan
truncate -s 200M huge.zan
