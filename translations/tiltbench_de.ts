<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ClassMessages</name>
    <message>
        <source>service %1</source>
        <translation>Service %1</translation>
    </message>
    <message>
        <source>, database %1</source>
        <translation>, Datenbank %1</translation>
    </message>
    <message>
        <source>%1 not installed</source>
        <translation>%1 nicht installiert</translation>
    </message>
    <message>
        <source>settings not usable</source>
        <translation>Einstellungen unbrauchbar</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgewiesen</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>falsches Passwort</translation>
    </message>
    <message>
        <source>no password in .pgpass</source>
        <translation>kein Passwort in .pgpass</translation>
    </message>
    <message>
        <source>TLS required</source>
        <translation>TLS erforderlich</translation>
    </message>
    <message>
        <source>certificate not trusted</source>
        <translation>Zertifikat nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>CA file missing</source>
        <translation>CA-Datei fehlt</translation>
    </message>
    <message>
        <source>no such database</source>
        <translation>Datenbank unbekannt</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>database not prepared</source>
        <translation>Datenbank nicht eingerichtet</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (QPSQL) is not installed, so Tiltbench cannot reach a class server. Install the package %1 (sudo apt-get install %1) and try again.</source>
        <translation>Der PostgreSQL-Treiber von Qt (QPSQL) ist nicht installiert, daher kann Tiltbench keinen Klassenserver erreichen. Installieren Sie das Paket %1 (sudo apt-get install %1) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The class server settings cannot be used</source>
        <translation>Die Einstellungen des Klassenservers sind nicht verwendbar</translation>
    </message>
    <message>
        <source>Correct them in Options &gt; Class Server....</source>
        <translation>Korrigieren Sie sie unter Optionen &gt; Klassenserver....</translation>
    </message>
    <message>
        <source>The class server&apos;s host name was not found (%1)</source>
        <translation>Der Hostname des Klassenservers wurde nicht gefunden (%1)</translation>
    </message>
    <message>
        <source>Check the host name and the network connection.</source>
        <translation>Prüfen Sie den Hostnamen und die Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>The class server refused the connection: nothing answers at %1</source>
        <translation>Der Klassenserver hat die Verbindung abgewiesen: Unter %1 antwortet nichts</translation>
    </message>
    <message>
        <source>Check the host and port, and that the server is running.</source>
        <translation>Prüfen Sie Host und Port und ob der Server läuft.</translation>
    </message>
    <message>
        <source>The class server did not answer (%1)</source>
        <translation>Der Klassenserver hat nicht geantwortet (%1)</translation>
    </message>
    <message>
        <source>Check the network connection, the host and the port.</source>
        <translation>Prüfen Sie die Netzwerkverbindung, den Host und den Port.</translation>
    </message>
    <message>
        <source>The class server refused the password of the login &quot;%1&quot; (%2)</source>
        <translation>Der Klassenserver hat das Passwort der Anmeldung „%1“ abgewiesen (%2)</translation>
    </message>
    <message>
        <source>Correct the password for this login in %1, or ask the server&apos;s administrator whether the login exists.</source>
        <translation>Korrigieren Sie das Passwort dieser Anmeldung in %1 oder fragen Sie die Administration des Servers, ob die Anmeldung existiert.</translation>
    </message>
    <message>
        <source>The class server asks for a password, and %1 holds none for the login &quot;%2&quot;</source>
        <translation>Der Klassenserver verlangt ein Passwort, und %1 enthält keines für die Anmeldung „%2“</translation>
    </message>
    <message>
        <source>Add a line host:port:database:login:password to that file (readable by you alone: chmod 600). Tiltbench does not store passwords.</source>
        <translation>Fügen Sie dieser Datei eine Zeile host:port:database:login:password hinzu (nur für Sie lesbar: chmod 600). Tiltbench speichert keine Passwörter.</translation>
    </message>
    <message>
        <source>The connection needs TLS on one side and the other does not offer it (%1)</source>
        <translation>Die Verbindung verlangt auf einer Seite TLS, und die andere bietet es nicht an (%1)</translation>
    </message>
    <message>
        <source>Ask the server&apos;s administrator to turn TLS on, or choose the TLS mode the server supports.</source>
        <translation>Bitten Sie die Administration des Servers, TLS einzuschalten, oder wählen Sie den TLS-Modus, den der Server unterstützt.</translation>
    </message>
    <message>
        <source>The class server&apos;s certificate is not trusted: it is not signed by the CA file given, or it names another host (%1)</source>
        <translation>Das Zertifikat des Klassenservers ist nicht vertrauenswürdig: Es ist nicht von der angegebenen CA-Datei signiert, oder es nennt einen anderen Host (%1)</translation>
    </message>
    <message>
        <source>Check the CA file and that the host name is the one in the server&apos;s certificate.</source>
        <translation>Prüfen Sie die CA-Datei und ob der Hostname der im Zertifikat des Servers ist.</translation>
    </message>
    <message>
        <source>The CA file for verify-full cannot be read</source>
        <translation>Die CA-Datei für verify-full kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Choose the certificate authority&apos;s file in Options &gt; Class Server....</source>
        <translation>Wählen Sie die Datei der Zertifizierungsstelle unter Optionen &gt; Klassenserver....</translation>
    </message>
    <message>
        <source>The class server has no such database (%1)</source>
        <translation>Der Klassenserver hat keine solche Datenbank (%1)</translation>
    </message>
    <message>
        <source>Check the database name.</source>
        <translation>Prüfen Sie den Namen der Datenbank.</translation>
    </message>
    <message>
        <source>The class server denied the login &quot;%1&quot; permission (%2)</source>
        <translation>Der Klassenserver hat der Anmeldung „%1“ den Zugriff verweigert (%2)</translation>
    </message>
    <message>
        <source>Ask the server&apos;s administrator to grant the login the role tiltbench_station (benches) or tiltbench_instructor.</source>
        <translation>Bitten Sie die Administration des Servers, der Anmeldung die Rolle tiltbench_station (Plätze) oder tiltbench_instructor zu geben.</translation>
    </message>
    <message>
        <source>The database has not been prepared for Tiltbench (%1)</source>
        <translation>Die Datenbank ist nicht für Tiltbench eingerichtet (%1)</translation>
    </message>
    <message>
        <source>The server&apos;s administrator loads class-server.sql into it (see docs/class-server.md).</source>
        <translation>Die Administration des Servers lädt class-server.sql in sie (siehe docs/class-server.md).</translation>
    </message>
    <message>
        <source>The connection to the class server was lost (%1)</source>
        <translation>Die Verbindung zum Klassenserver ist verloren gegangen (%1)</translation>
    </message>
    <message>
        <source>Tiltbench tries again by itself; nothing waiting is lost.</source>
        <translation>Tiltbench versucht es selbst erneut; nichts Wartendes geht verloren.</translation>
    </message>
    <message>
        <source>The class server reported a failure (%1)</source>
        <translation>Der Klassenserver hat einen Fehler gemeldet (%1)</translation>
    </message>
    <message>
        <source>

The server said: %1</source>
        <translation>

Der Server meldete: %1</translation>
    </message>
    <message>
        <source>Class: offline (%1), %2 waiting</source>
        <translation>Klasse: offline (%1), %2 wartend</translation>
    </message>
    <message>
        <source>Class: offline (%1)</source>
        <translation>Klasse: offline (%1)</translation>
    </message>
    <message>
        <source>Class: %1 waiting</source>
        <translation>Klasse: %1 wartend</translation>
    </message>
    <message>
        <source>Class: connecting</source>
        <translation>Klasse: verbindet</translation>
    </message>
    <message>
        <source>Class: connected</source>
        <translation>Klasse: verbunden</translation>
    </message>
</context>
<context>
    <name>ClassServerSettings</name>
    <message>
        <source>service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>station</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>CA file</source>
        <translation>CA-Datei</translation>
    </message>
</context>
<context>
    <name>ClassSummaryModel</name>
    <message>
        <source>Mean µ</source>
        <translation>Mittelwert µ</translation>
    </message>
    <message>
        <source>Std. deviation</source>
        <translation>Standardabw.</translation>
    </message>
    <message>
        <source>Std. error</source>
        <translation>Standardfehler</translation>
    </message>
    <message>
        <source>Weighted mean µ</source>
        <translation>Gew. Mittelwert µ</translation>
    </message>
    <message>
        <source>± weighted</source>
        <translation>± gewichtet</translation>
    </message>
</context>
<context>
    <name>ClassTools</name>
    <message>
        <source>Every trial goes to the class server (%1) as well.</source>
        <translation>Jeder Versuch geht auch an den Klassenserver (%1).</translation>
    </message>
</context>
<context>
    <name>ClassTrialModel</name>
    <message>
        <source>Static</source>
        <translation>Haftreibung</translation>
    </message>
    <message>
        <source>Kinetic</source>
        <translation>Gleitreibung</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Messreihe</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Left out of the summary at its station</source>
        <translation>An seinem Platz aus der Zusammenfassung genommen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Winkel (Grad)</translation>
    </message>
    <message>
        <source>Length (cm)</source>
        <translation>Länge (cm)</translation>
    </message>
    <message>
        <source>delta T (ms)</source>
        <translation>delta T (ms)</translation>
    </message>
    <message>
        <source>g (m/s^2)</source>
        <translation>g (m/s^2)</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>FrictionCalc</name>
    <message>
        <source>Error in Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a numeric angle less than 90 and greater than 0 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The angle entered lies outside the range of numbers the calculator can compute with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in Length of Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a numeric length greater than 0 cm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of block entered lies outside the range of numbers the calculator can compute with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in delta T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a numeric time greater than 0 sec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The delta T entered lies outside the range of numbers the calculator can compute with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in Acceleration Due to Gravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a numeric acceleration greater than 0 m/s^2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The acceleration due to gravity entered lies outside the range of numbers the calculator can compute with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The inputs are too extreme to compute: %1.</source>
        <extracomment>%1 says which step went wrong, such as &quot;delta T is too small&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coefficient is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length of block and delta T are too small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length of block is too small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delta T is too small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speed of the block (length of block over delta T) is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length of block and the acceleration due to gravity are too small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length of block and the acceleration due to gravity are too large</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LazyClassModule</name>
    <message>
        <source>%1 is not the class module</source>
        <translation>%1 ist nicht das Klassenmodul</translation>
    </message>
</context>
<context>
    <name>LineSettingsText</name>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No parity bit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhysicsChecks</name>
    <message>
        <source>µk is below 0: the block sped up faster than it could without any friction. Check the photogate time (too short?), the block length and the angle.</source>
        <translation>µk ist kleiner als 0: Der Block wurde schneller, als es selbst ohne Reibung möglich wäre. Prüfen Sie die Lichtschrankenzeit (zu kurz?), die Blocklänge und den Winkel.</translation>
    </message>
    <message>
        <source>µ is over 2: the block would need more than twice its weight to hold it. Check the angle, and for µk the time and the length.</source>
        <translation>µ ist größer als 2: Der Block bräuchte mehr als das Doppelte seines Gewichts, um gehalten zu werden. Prüfen Sie den Winkel, bei µk auch Zeit und Länge.</translation>
    </message>
    <message>
        <source>The angle is 80° or more, steeper than the ramp tilts. Check the angle as typed.</source>
        <translation>Der Winkel beträgt 80° oder mehr, steiler, als die Rampe kippt. Prüfen Sie den eingegebenen Winkel.</translation>
    </message>
    <message>
        <source>The mean µk is above the mean µs: a block that slides needs less force to keep moving than to start. Check the kinetic trials&apos; times and lengths, and the static angles.</source>
        <translation>Der Mittelwert von µk liegt über dem von µs: Ein gleitender Block braucht weniger Kraft, um in Bewegung zu bleiben, als um loszugleiten. Prüfen Sie Zeiten und Längen der Gleitversuche und die Haftwinkel.</translation>
    </message>
</context>
<context>
    <name>PortMapEditor</name>
    <message>
        <source>(default: %1)</source>
        <extracomment>The first entry of a port&apos;s device list: the device the port has without a link.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(default: none)</source>
        <extracomment>The first entry of a port&apos;s device list, when the port has no device of its own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortMapWriter</name>
    <message>
        <source>there is no port map on this system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ports are not mapped by links on this system</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortMessages</name>
    <message>
        <source>Choose another setting in Options &gt; Port Properties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>even parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>space parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xon/Xoff flow control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xon/Xoff and RTS/CTS flow control together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a speed of %1 bits per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line setting %2 can use. Give the speed, parity, data bits and stop bits separated by commas, for example 9600,N,8,1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot use %2 data bits: serial ports on this computer send 5 to 8 data bits. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot use 1.5 stop bits: this system offers only 1 or 2 stop bits. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot use Xon/Xoff and RTS/CTS flow control together. Choose one of them, or None.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a flow control for %2. Use 0 (None), 1 (Xon/Xoff), 2 (RTS/CTS) or 3 (Xon/RTS).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a port number. Port numbers start at 1 (Com1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open, so the port number cannot change. Close the port first, then choose the new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: there is no such port. Plug in the adapter, or choose another port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: there is no device %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Plug in the adapter, or choose its device in Options &gt; Port Map... (without the program: ln -s /dev/ttyUSB0 %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: its link %2 points to %3, which does not exist. Plug in the adapter, or choose its device in Options &gt; Port Map...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: its link %2 points to %3, which leads back round in a loop of links and never reaches a device. Choose the device in Options &gt; Port Map...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: another program is using it. Close that program, or choose another port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: permission denied. Your user must be in the %2 group: run sudo adduser $USER %2, then log out and log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: permission denied. Ask the computer&apos;s administrator to give your user access to the serial port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened (%2). Check the device and its cable, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device does not support it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device refused it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot use %2: %3. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port was closed, because its previous settings could not be restored either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not open, so nothing was sent. Open it in Options &gt; Port Properties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is closed because %2, so nothing was sent. Plug the device back in: the port opens again by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not take the bytes to send (%2). Check the device and its cable, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no device for this port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no device %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its link %1 leads round in a loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program is using %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the previous settings of %1 could not be restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device %1 refused the settings %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device %1 was disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 open: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reconnected: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port is closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port is closed, because %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device did not take it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not send %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>%1 was not found</source>
        <extracomment>%1 is the file name of one of the program&apos;s modules.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PsqlDatabase</name>
    <message>
        <source>the %1 holds a &apos;;&apos;</source>
        <translation>das Feld %1 enthält ein &apos;;&apos;</translation>
    </message>
    <message>
        <source>the table tiltbench.trials does not exist</source>
        <translation>die Tabelle tiltbench.trials existiert nicht</translation>
    </message>
    <message>
        <source>the login &quot;%1&quot; is not a member of tiltbench_station or tiltbench_instructor</source>
        <translation>die Anmeldung „%1“ ist kein Mitglied von tiltbench_station oder tiltbench_instructor</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
</context>
<context>
    <name>QtAppendFile</name>
    <message>
        <source>The folder could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtDataFiles</name>
    <message>
        <source>The folder could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SymbolicLink</name>
    <message>
        <source>this system has no symbolic links for ports</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SysInfoLauncher</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message numerus="yes">
        <source>%n entries were not logged: they left the record first</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the disk did not keep up with the traffic</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the operating system&apos;s system information tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built with Qt %1 and C++20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drives the ramp&apos;s stepper motor and computes friction coefficients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made for the tilting-ramp friction lab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This lab helps students to learn the basic concepts of friction through experimentation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provided as is, without warranty of any kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCalculate</name>
    <message>
        <source>%1 - Friction Calculator</source>
        <extracomment>The calculator&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient of Static Friction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the measured ramp angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalculate the static coefficient of friction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficient of Kinetic Friction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the measured block length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the time it takes for the block to pass through the photogate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter acceleration due to gravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalculate the coefficient of kinetic friction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resets acceleration due to gravity on Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of block (cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delta T (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accel Due to Gravity (m/s^2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmClassResults</name>
    <message>
        <source>%1 - Class Results</source>
        <translation>%1 - Klassenergebnisse</translation>
    </message>
    <message>
        <source>The first day whose trials are shown</source>
        <translation>Der erste Tag, dessen Versuche gezeigt werden</translation>
    </message>
    <message>
        <source>The last day whose trials are shown</source>
        <translation>Der letzte Tag, dessen Versuche gezeigt werden</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;All dates</source>
        <translation>&amp;Alle Tage</translation>
    </message>
    <message>
        <source>Show the trials of every day</source>
        <translation>Die Versuche aller Tage zeigen</translation>
    </message>
    <message>
        <source>Show only runs whose name holds this text</source>
        <translation>Nur Messreihen zeigen, deren Name diesen Text enthält</translation>
    </message>
    <message>
        <source>&amp;Run name:</source>
        <translation>&amp;Name der Messreihe:</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>S&amp;ummary</source>
        <translation>&amp;Zusammenfassung</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Write the trials shown to a CSV file</source>
        <translation>Die gezeigten Versuche in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>%1 trials from %2 stations</source>
        <translation>%1 Versuche von %2 Plätzen</translation>
    </message>
    <message>
        <source>Reading the class&apos;s trials from %1...</source>
        <translation>Die Versuche der Klasse werden von %1 gelesen...</translation>
    </message>
    <message>
        <source>Live: %1.</source>
        <translation>Live: %1.</translation>
    </message>
    <message>
        <source>New trials appear as their stations send them</source>
        <translation>Neue Versuche erscheinen, sobald ihre Plätze sie senden</translation>
    </message>
    <message>
        <source>Offline (%1): showing the %2 read before; trying again by itself.</source>
        <translation>Offline (%1): Gezeigt werden die zuvor gelesenen %2; neuer Versuch erfolgt selbsttätig.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The class results could not be exported.

%1: %2</source>
        <translation>Die Klassenergebnisse konnten nicht exportiert werden.

%1: %2</translation>
    </message>
</context>
<context>
    <name>frmClassServer</name>
    <message>
        <source>Class Server</source>
        <translation>Klassenserver</translation>
    </message>
    <message>
        <source>The class server&apos;s host name or address</source>
        <translation>Hostname oder Adresse des Klassenservers</translation>
    </message>
    <message>
        <source>PostgreSQL&apos;s port, usually 5432</source>
        <translation>Port von PostgreSQL, meist 5432</translation>
    </message>
    <message>
        <source>The class&apos;s database on the server</source>
        <translation>Die Datenbank der Klasse auf dem Server</translation>
    </message>
    <message>
        <source>This bench&apos;s login on the server; its trials are filed under it</source>
        <translation>Die Anmeldung dieses Platzes am Server; seine Versuche werden darunter abgelegt</translation>
    </message>
    <message>
        <source>prefer: TLS where the server offers it; require: only with TLS; verify-full: only with TLS, to a server whose certificate the CA file vouches for</source>
        <translation>prefer: TLS, wo der Server es anbietet; require: nur mit TLS; verify-full: nur mit TLS, zu einem Server, dessen Zertifikat die CA-Datei bestätigt</translation>
    </message>
    <message>
        <source>The certificate authority that signed the server&apos;s certificate (verify-full)</source>
        <translation>Die Zertifizierungsstelle, die das Zertifikat des Servers signiert hat (verify-full)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>A service of pg_service.conf; when given, it replaces all the fields above</source>
        <translation>Ein Service aus pg_service.conf; wenn angegeben, ersetzt er alle Felder darüber</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Datenbank:</translation>
    </message>
    <message>
        <source>&amp;Station name:</source>
        <translation>Plat&amp;zname:</translation>
    </message>
    <message>
        <source>T&amp;LS:</source>
        <translation>T&amp;LS:</translation>
    </message>
    <message>
        <source>&amp;CA file:</source>
        <translation>&amp;CA-Datei:</translation>
    </message>
    <message>
        <source>Or ser&amp;vice:</source>
        <translation>Oder Se&amp;rvice:</translation>
    </message>
    <message>
        <source>Tiltbench stores no password: libpq reads it from ~/.pgpass (or the file PGPASSFILE names).</source>
        <translation>Tiltbench speichert kein Passwort: libpq liest es aus ~/.pgpass (oder der Datei, die PGPASSFILE nennt).</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>Connect with the settings above and say what failed</source>
        <translation>Mit den Einstellungen oben verbinden und sagen, was fehlschlug</translation>
    </message>
    <message>
        <source>Give a host or a service first.</source>
        <translation>Geben Sie zuerst einen Host oder einen Service an.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung zu %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>it sends this bench&apos;s trials and reads every station&apos;s</source>
        <translation>er sendet die Versuche dieses Platzes und liest die aller Plätze</translation>
    </message>
    <message>
        <source>it sends this bench&apos;s trials</source>
        <translation>er sendet die Versuche dieses Platzes</translation>
    </message>
    <message>
        <source>it reads every station&apos;s trials (it cannot send)</source>
        <translation>er liest die Versuche aller Plätze (er kann nicht senden)</translation>
    </message>
    <message>
        <source>Connected to %1 as &quot;%2&quot;: %3.</source>
        <translation>Verbunden mit %1 als „%2“: %3.</translation>
    </message>
    <message>
        <source>CA File</source>
        <translation>CA-Datei</translation>
    </message>
    <message>
        <source>Certificates (*.crt *.pem *.cer);;All files (*)</source>
        <translation>Zertifikate (*.crt *.pem *.cer);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The class server settings could not be saved in Tiltbench&apos;s settings file. Check that your configuration folder is writable.</source>
        <translation>Die Einstellungen des Klassenservers konnten nicht in der Einstellungsdatei von Tiltbench gespeichert werden. Prüfen Sie, ob Ihr Konfigurationsordner beschreibbar ist.</translation>
    </message>
</context>
<context>
    <name>frmMotorControl</name>
    <message>
        <source>%1 - Motor Control</source>
        <extracomment>The main window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor moves a set distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous Mode (resets counter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor moves continously until Stop button pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration (rps^2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust acceleration of motor (rps^2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of acceleration of motor (rps^2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity (rps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust velocity of motor (rps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of velocity of motor (rps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance (rotations)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust distance for motor to move (rotations)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of distance for motor to move (rotations)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move ramp up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move ramp down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop motor immediately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step Accumulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter manual motor commands here:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type or select motor commands here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the command to the motor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter anywhere in the window presses Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friction Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Properties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Map...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tiltbench...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow: the step count cannot go beyond %1 to %2 steps. The count stays at %3; press Reset to start counting again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command was not sent: the character &quot;%1&quot; at position %2 cannot be sent to the indexer, which takes only Latin-1 characters. Replace it, then press Send again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reconnected</source>
        <extracomment>The port opened again by itself after its adapter came back.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new device</source>
        <extracomment>The port was opened again on the device just chosen in the port map.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The port&apos;s state on the status line, then why it opened by itself.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPortMap</name>
    <message>
        <source>Serial Port Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the device for Com%1, or type its path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first entry, (default), is the system&apos;s own device for Com%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State of the device for Com%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the serial devices again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>present</source>
        <extracomment>The state of a port&apos;s device.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <extracomment>The state of a port&apos;s device.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by Tiltbench</source>
        <extracomment>The state of a port&apos;s device: the program has it open.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com%1 was left as it is: %2 is not a link, so Tiltbench does not replace it. Move it away to choose the device here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com%1 was left as it is: %2 could not be written (%3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmProperties</name>
    <message>
        <source>Com Port Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Echo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flow Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No flow control.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous port, Com%1, could not be opened again: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSerialMonitor</name>
    <message>
        <source>%1 - Serial Monitor</source>
        <extracomment>The Serial Monitor&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial traffic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One row per write (TX), received line (RX) or port event, with its time; Ctrl+F finds, Ctrl+C copies the selected rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to find in the rows shown, in any case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match above (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match below (F3 or Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show what was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;RX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show what was received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show what happened to the port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the bytes as a hex dump with their ASCII beside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since previous (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the time of each row is shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze the view; recording goes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file the log is written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the traffic recorded so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every row from now on to a file as it comes, until stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the rows shown as a text file (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Serial Monitor&apos;s log to %1 stopped: %2. What came before is in the file; the monitor goes on recording. Free some space or choose another file, then start the log again with Log to File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop &amp;Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log to File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logging to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Serial Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial monitor could not be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Serial Monitor to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log files (*.log *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
