// SPDX-License-Identifier: GPL-3.0-or-later
// The program each floor's library is linked whole into, with only the floors
// below it: the link fails when the floor calls into a floor above.
int main() { return 0; }
