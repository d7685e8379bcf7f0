# Links that lead out of the class folder, to a file that holds a password
# (an alarm would quote its line into the report), and one that stays inside.
set -e
mkdir -p ../outside
printf 'N0000 M03\r\nroot:$6$secret-password-hash:19000:0:99999:7:::\r\nN0020 M30\r\n' > ../outside/shadow
ln -s ../outside/shadow mallory.zan
ln -s "$(cd .. && pwd)/outside/shadow" absolute.zan
ln -s /dev/zero zero.zan
ln -s ../outside trudy
mkdir walt
ln -s ../../outside/shadow walt/w.zan
ln -s alice.zan linked.zan
ln -s no-such-file dangling.zan
