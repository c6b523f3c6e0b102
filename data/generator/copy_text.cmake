# Copies the text file IN to OUT with Windows line ends (CR LF), as the data on a CD has them.
file(READ "${IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}" "${text}")
