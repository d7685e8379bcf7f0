# A student whose name is 246 bytes, the file's 250: the picture's name must
# not grow with it.
cp "$(dirname "$0")/../../class/alice.zan" "$(printf 'n%.0s' $(seq 246)).zan"
