# A name starting with a tab, which git does not keep well.
cp plain.zan "$(printf '\tcmd')".zan
