// After an exchange that did not end cleanly (no answer in time, a stray byte, a reply cut
// short or not read to its end) the device may still be sending, and its late bytes would
// pass for the next command's answer: emptying the queues before a write does not help
// when they arrive after it. Such a port is marked untrusted; before its next command the
// driver waits until the line has been quiet for one read time-out and discards whatever
// came meanwhile.
#pragma once

namespace device {

class Verbindung;

void LeitungMisstrauen(Verbindung& v, int port);
// A port opened or closed afresh starts trusted.
void LeitungVertrauen(Verbindung& v, int port);
bool LeitungUnsicher(Verbindung& v, int port);
// Reads and discards bytes until one read times out; the port is trusted again then. A line
// that keeps sending is given up after a bound, and the port stays untrusted.
void LeitungBeruhigen(Verbindung& v, int port);

}  // namespace device
