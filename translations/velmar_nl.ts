<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Velmar</name>
    <message>
        <source>Radio &amp;Options</source>
        <translation>Radio-&amp;opties</translation>
    </message>
    <message>
        <source>Radio Options</source>
        <translation>Radio-opties</translation>
    </message>
    <message>
        <source>What each option of the radio is. The texts in quotes are the dialog&apos;s own; the radio stores each choice as one code.</source>
        <translation>Wat elke optie van de radio is. De teksten tussen aanhalingstekens zijn die van het dialoogvenster zelf; de radio slaat elke keuze op als één code.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recent geopend</translation>
    </message>
    <message>
        <source>Sent…</source>
        <translation>Verzonden…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Opslaan &amp;als…</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)…</source>
        <translation>Kanalen &amp;importeren (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export Channels (CSV)…</source>
        <translation>Kanalen &amp;exporteren (CSV)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Eigensc&amp;happen…</translation>
    </message>
    <message>
        <source>Export Channel Car&amp;d…</source>
        <translation>Kanaal&amp;kaart exporteren…</translation>
    </message>
    <message>
        <source>&amp;Print Channel Card…</source>
        <translation>Kanaalkaart af&amp;drukken…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Poort</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>Verbinding ver&amp;breken</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Zenden</translation>
    </message>
    <message>
        <source>&amp;Other Device…</source>
        <translation>&amp;Ander apparaat…</translation>
    </message>
    <message>
        <source>&amp;Find My Cable…</source>
        <translation>Mijn &amp;kabel vinden…</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Kanalen</translation>
    </message>
    <message>
        <source>&amp;Fill Group with</source>
        <translation>Groep &amp;vullen met</translation>
    </message>
    <message>
        <source>&amp;Clear Group</source>
        <translation>Groep &amp;leegmaken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>Verge&amp;lijken met…</translation>
    </message>
    <message>
        <source>Compare With &amp;Last Sent</source>
        <translation>Vergelijken met laatst &amp;verzonden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>&amp;Copy Group</source>
        <translation>Groep &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste Group</source>
        <translation>Groep &amp;plakken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>&amp;All Channels</source>
        <translation>&amp;Alle kanalen</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Meldingen</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldingen</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>Alles &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Vervangen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Overschrijven</translation>
    </message>
    <message>
        <source>&amp;Merge into the file&apos;s Locations</source>
        <translation>&amp;Samenvoegen in de geheugenplaatsen van het bestand</translation>
    </message>
    <message>
        <source>Replace &amp;all channels</source>
        <translation>&amp;Alle kanalen vervangen</translation>
    </message>
    <message>
        <source>Velmar settings (*.velmar)</source>
        <translation>Velmar-instellingen (*.velmar)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Kanaallijsten (*.csv)</translation>
    </message>
    <message>
        <source>Open Setting</source>
        <translation>Instelling openen</translation>
    </message>
    <message>
        <source>Save Setting As</source>
        <translation>Instelling opslaan als</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanalen importeren</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Kanalen exporteren</translation>
    </message>
    <message>
        <source>Open a Sent Setting</source>
        <translation>Een verzonden instelling openen</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-documenten (*.pdf)</translation>
    </message>
    <message>
        <source>Export Channel Card</source>
        <translation>Kanaalkaart exporteren</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notities:</translation>
    </message>
    <message>
        <source>The title, the notes and the channels&apos; names travel with the setting file and go on the channel card; the radio does not store them.</source>
        <translation>De titel, de notities en de namen van de kanalen reizen mee met het instellingenbestand en staan op de kanaalkaart; de radio slaat ze niet op.</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Kanaalkaart</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>No channel has a frequency.</source>
        <translation>Geen enkel kanaal heeft een frequentie.</translation>
    </message>
    <message>
        <source>In this mode the radio uses its own channels: the groups below are not in use until &quot;GRUOP&quot; is chosen.</source>
        <translation>In deze modus gebruikt de radio zijn eigen kanalen: de groepen hieronder zijn pas in gebruik als &quot;GRUOP&quot; gekozen is.</translation>
    </message>
    <message>
        <source>Disconnect to change the port: the port in use stays until then.</source>
        <translation>Verbreek de verbinding om van poort te wisselen: de gebruikte poort blijft tot dan.</translation>
    </message>
    <message>
        <source>Other Device</source>
        <translation>Ander apparaat</translation>
    </message>
    <message>
        <source>The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):</source>
        <translation>Het apparaat waar COM1 voor staat (een serieel apparaat, een pseudoterminal of een koppeling daarnaar):</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>Mijn kabel vinden</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>ingebouwd</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>gesloten</translation>
    </message>
    <message>
        <source>open, the line hung up</source>
        <translation>open, de lijn heeft opgehangen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>Voortgang van het zenden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Zenden</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Ontvangen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Closing after the Send…</source>
        <translation>Sluiten na het zenden…</translation>
    </message>
    <message>
        <source>PMR, LPD and PMR + LPD use the radio&apos;s own channels: choose &quot;GRUOP&quot; to program the groups.</source>
        <translation>PMR, LPD en PMR + LPD gebruiken de eigen kanalen van de radio: kies &quot;GRUOP&quot; om de groepen te programmeren.</translation>
    </message>
    <message>
        <source>The channels are programmed in the &quot;GRUOP&quot; mode.</source>
        <translation>De kanalen worden geprogrammeerd in de modus &quot;GRUOP&quot;.</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Alle kanalen</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kanaal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Kanaalafstand</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Kanaalplan</translation>
    </message>
    <message>
        <source>Same as</source>
        <translation>Gelijk aan</translation>
    </message>
    <message>
        <source>Chec&amp;k Setting</source>
        <translation>Instelling &amp;controleren</translation>
    </message>
    <message>
        <source>Check Setting</source>
        <translation>Instelling controleren</translation>
    </message>
    <message>
        <source>Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds a frequency twice.</source>
        <translation>Niets te melden: elk kanaal is een PMR446- of LPD433-kanaal in een groep met zijn kanaalafstand, en geen groep bevat een frequentie twee keer.</translation>
    </message>
    <message>
        <source>Nothing to check: in this mode the radio uses its own channels, not the groups.</source>
        <translation>Niets te controleren: in deze modus gebruikt de radio zijn eigen kanalen, niet de groepen.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>No Send the radio could have taken has been kept yet: the history of sent settings holds none.</source>
        <translation>Er is nog geen verzending bewaard die de radio had kunnen ontvangen: de geschiedenis van verzonden instellingen is leeg.</translation>
    </message>
    <message>
        <source>Which channels the radio uses. &quot;PMR&quot;, &quot;LPD&quot; and &quot;PMR + LPD&quot; use the radio&apos;s own PMR446 channels, LPD433 channels or both; &quot;GRUOP&quot; (group) uses the eight groups of eight channels programmed here, and only it opens the channel edits.</source>
        <translation>Welke kanalen de radio gebruikt. &quot;PMR&quot;, &quot;LPD&quot; en &quot;PMR + LPD&quot; gebruiken de eigen PMR446-kanalen, LPD433-kanalen of beide van de radio; &quot;GRUOP&quot; (groep) gebruikt de acht hier geprogrammeerde groepen van acht kanalen, en alleen deze modus opent de kanaalvelden.</translation>
    </message>
    <message>
        <source>The group shown in CH1 to CH8. The radio holds eight groups, A to H, of eight channels each; every group is sent, not only the one shown.</source>
        <translation>De groep die in CH1 tot CH8 wordt getoond. De radio heeft acht groepen, A tot H, van elk acht kanalen; alle groepen worden verzonden, niet alleen de getoonde.</translation>
    </message>
    <message>
        <source>The channel spacing of the group shown, each group its own: &quot;12.5Khz&quot; (narrow, as PMR446 channels are) or &quot;25Khz&quot; (wide, as LPD433 channels are spaced).</source>
        <translation>De kanaalafstand van de getoonde groep, voor elke groep apart: &quot;12.5Khz&quot; (smal, zoals PMR446-kanalen) of &quot;25Khz&quot; (breed, zoals de afstand van LPD433-kanalen).</translation>
    </message>
    <message>
        <source>Scan delay: in the usual radio term, how long a scan stays on a busy channel before it goes on. &quot;OFF&quot;, or 1 to 60 seconds.</source>
        <translation>Scanvertraging: in de gangbare radioterm, hoe lang een scan op een bezet kanaal blijft voordat hij verdergaat. &quot;OFF&quot;, of 1 tot 60 seconden.</translation>
    </message>
    <message>
        <source>A time for the PTT (push-to-talk) key: &quot;OFF&quot;, or 5 to 60 seconds. What the radio times with it is not documented.</source>
        <translation>Een tijd voor de zendtoets (PTT): &quot;OFF&quot;, of 5 tot 60 seconden. Wat de radio daarmee timet, is niet gedocumenteerd.</translation>
    </message>
    <message>
        <source>Busy channel lock-out, in the usual radio term: the radio does not transmit on a channel in use. &quot;OFF&quot;, &quot;CA On&quot;, &quot;CT On&quot; or &quot;DT On&quot;; what each of the last three judges a channel busy by is not documented.</source>
        <translation>Zendblokkering bij bezet kanaal (BCLO), in de gangbare radioterm: de radio zendt niet op een kanaal dat in gebruik is. &quot;OFF&quot;, &quot;CA On&quot;, &quot;CT On&quot; of &quot;DT On&quot;; waarop elk van de laatste drie een kanaal als bezet beoordeelt, is niet gedocumenteerd.</translation>
    </message>
    <message>
        <source>Transmit time-out timer (TOT): the longest the radio transmits for one press of the PTT key. &quot;OFF&quot;, or 15 to 240 seconds.</source>
        <translation>Zendtijdbegrenzing (TOT): hoe lang de radio ten hoogste zendt bij één druk op de PTT-toets. &quot;OFF&quot;, of 15 tot 240 seconden.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long a voice must be heard before the radio starts to transmit. 0 to 200 milliseconds.</source>
        <translation>VOX (spraakgestuurd zenden): hoe lang een stem te horen moet zijn voordat de radio begint te zenden. 0 tot 200 milliseconden.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long the radio goes on transmitting after the voice stops. 0.5 to 2.0 seconds.</source>
        <translation>VOX (spraakgestuurd zenden): hoe lang de radio blijft zenden nadat de stem stopt. 0,5 tot 2,0 seconden.</translation>
    </message>
    <message>
        <source>How long a key is held to count as a long press: 0.5, 1.0 or 2.0 seconds.</source>
        <translation>Hoe lang een toets ingedrukt moet blijven om als lange druk te tellen: 0,5, 1,0 of 2,0 seconden.</translation>
    </message>
    <message>
        <source>Battery saving (power save): while the channel is quiet the radio listens only part of the time. The values are the ratios &quot;0.0 : 0.0&quot;, &quot;1.0 : 1.0&quot;, &quot;1.5 : 1.0&quot; and &quot;2.0 : 1.0&quot;; which side of a ratio is the sleep is not documented.</source>
        <translation>Batterijbesparing (power save): zolang het kanaal stil is, luistert de radio slechts een deel van de tijd. De waarden zijn de verhoudingen &quot;0.0 : 0.0&quot;, &quot;1.0 : 1.0&quot;, &quot;1.5 : 1.0&quot; en &quot;2.0 : 1.0&quot;; welke kant van een verhouding de slaap is, is niet gedocumenteerd.</translation>
    </message>
    <message>
        <source>CTCSS, the sub-audible tones PMR446 radios call privacy codes: the set of tones the radio offers. &quot;Disable&quot;, codes &quot;1 - 38&quot; or codes &quot;1 - 50&quot;.</source>
        <translation>CTCSS, de subaudiotonen die PMR446-radio&apos;s privacycodes noemen: de reeks tonen die de radio aanbiedt. &quot;Disable&quot;, codes &quot;1 - 38&quot; of codes &quot;1 - 50&quot;.</translation>
    </message>
    <message>
        <source>DCS (digital coded squelch): the set of codes the radio offers. &quot;Disable&quot;, codes &quot;1 - 83&quot; or codes &quot;1 - 104&quot;.</source>
        <translation>DCS (digitaal gecodeerde squelch): de reeks codes die de radio aanbiedt. &quot;Disable&quot;, codes &quot;1 - 83&quot; of codes &quot;1 - 104&quot;.</translation>
    </message>
    <message>
        <source>&quot;On&quot; or &quot;Off&quot;. What the radio does with it is not documented.</source>
        <translation>&quot;On&quot; of &quot;Off&quot;. Wat de radio ermee doet, is niet gedocumenteerd.</translation>
    </message>
    <message>
        <source>&quot;410Mhz&quot; to &quot;490Mhz&quot;, in steps of 10 MHz. What the radio does with this choice is not documented, so Velmar does not judge the channels by it; the channels themselves may be anywhere from 400 to 500 MHz.</source>
        <translation>&quot;410Mhz&quot; tot &quot;490Mhz&quot;, in stappen van 10 MHz. Wat de radio met deze keuze doet, is niet gedocumenteerd, dus Velmar beoordeelt de kanalen er niet op; de kanalen zelf mogen overal tussen 400 en 500 MHz liggen.</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2 (stalled: the radio may not have it)</source>
        <translation>vastlegging van de verzending van %1, controlesom %2 (gehaperd: de radio heeft haar misschien niet)</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2</source>
        <translation>vastlegging van de verzending van %1, controlesom %2</translation>
    </message>
    <message numerus="yes">
        <source>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln seconds.</source>
        <comment>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln second.</comment>
        <translation>
            <numerusform>Trek nu de programmeerkabel van de radio los, of steek hem in; als hij los was, steek hem er weer in. Velmar houdt de seriële poorten %Ln seconde in de gaten.</numerusform>
            <numerusform>Trek nu de programmeerkabel van de radio los, of steek hem in; als hij los was, steek hem er weer in. Velmar houdt de seriële poorten %Ln seconden in de gaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not present now)</source>
        <translation>%1 (nu niet aanwezig)</translation>
    </message>
    <message>
        <source>%1 (a pseudo-terminal)</source>
        <translation>%1 (een pseudoterminal)</translation>
    </message>
    <message>
        <source>%1 (the simulated radio)</source>
        <translation>%1 (de gesimuleerde radio)</translation>
    </message>
    <message>
        <source>Found the cable: COM1 is now %1</source>
        <translation>Kabel gevonden: COM1 is nu %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing changed: no serial port appeared or came back in %Ln seconds. COM1 stays %1.</source>
        <comment>Nothing changed: no serial port appeared or came back in %Ln second. COM1 stays %1.</comment>
        <translation>
            <numerusform>Er is niets veranderd: geen seriële poort verscheen of kwam terug binnen %Ln seconde. COM1 blijft %1.</numerusform>
            <numerusform>Er is niets veranderd: geen seriële poort verscheen of kwam terug binnen %Ln seconden. COM1 blijft %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 went away and did not come back in %Ln seconds. Plug the cable in and try again. COM1 stays %2.</source>
        <comment>%1 went away and did not come back in %Ln second. Plug the cable in and try again. COM1 stays %2.</comment>
        <translation>
            <numerusform>%1 verdween en kwam niet terug binnen %Ln seconde. Steek de kabel in en probeer het opnieuw. COM1 blijft %2.</numerusform>
            <numerusform>%1 verdween en kwam niet terug binnen %Ln seconden. Steek de kabel in en probeer het opnieuw. COM1 blijft %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Er zijn nu geen seriële poorten aanwezig.</translation>
    </message>
    <message>
        <source>Serial ports present now:</source>
        <translation>Nu aanwezige seriële poorten:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 s left</source>
        <translation>%1 van %2 bytes, nog %3 s</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2</source>
        <translation>%1 bytes verzonden, controlesom %2</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2, but %3</source>
        <translation>%1 bytes verzonden, controlesom %2, maar %3</translation>
    </message>
    <message>
        <source>Sent %1 of %2 bytes: %3</source>
        <translation>%1 van %2 bytes verzonden: %3</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Ontvangen: %1</translation>
    </message>
    <message>
        <source>Received %1: %2</source>
        <translation>Ontvangen: %1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 completed to %3</source>
        <translation>%1: %2 aangevuld tot %3</translation>
    </message>
    <message>
        <source>%1: %2 is outside 400 to 500 MHz, cleared</source>
        <translation>%1: %2 ligt buiten 400 tot 500 MHz, gewist</translation>
    </message>
    <message>
        <source>%1: %2 moved down to %3 (6.25 kHz steps)</source>
        <translation>%1: %2 omlaag afgerond naar %3 (stappen van 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1: %2 is not a frequency (three digits, a point, five digits), cleared</source>
        <translation>%1: %2 is geen frequentie (drie cijfers, een punt, vijf cijfers), gewist</translation>
    </message>
    <message>
        <source>%1 %2 shows &quot;%3&quot;, which is not a frequency that can be sent. Complete it (nine characters, such as 446.10000) or clear it, then try again.</source>
        <translation>%1 %2 toont &quot;%3&quot;, wat geen frequentie is die verzonden kan worden. Vul haar aan (negen tekens, zoals 446.10000) of wis haar en probeer het dan opnieuw.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %Ln characters.</source>
        <comment>Please enter no more than %Ln character.</comment>
        <translation>
            <numerusform>Voer ten hoogste %Ln teken in.</numerusform>
            <numerusform>Voer ten hoogste %Ln tekens in.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %Ln channels. Replace them with %2?</source>
        <comment>%1 holds %Ln channel. Replace it with %2?</comment>
        <translation>
            <numerusform>%1 bevat %Ln kanaal. Vervangen door %2?</numerusform>
            <numerusform>%1 bevat %Ln kanalen. Vervangen door %2?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>%1 kanaal %2</translation>
    </message>
    <message>
        <source>%1 channels %2–%3</source>
        <translation>%1 kanalen %2–%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 are both %2</source>
        <translation>%1 zijn allebei %2</translation>
    </message>
    <message>
        <source>%1 are all %2</source>
        <translation>%1 zijn allemaal %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln things to look at before a Send; they do not stop it:</source>
        <comment>%Ln thing to look at before a Send; it does not stop it:</comment>
        <translation>
            <numerusform>%Ln punt om na te kijken voor het zenden; het houdt het zenden niet tegen:</numerusform>
            <numerusform>%Ln punten om na te kijken voor het zenden; ze houden het zenden niet tegen:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 is a PMR446 channel, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1: %2 is een PMR446-kanaal (12,5 kHz breed) in een 25Khz-groep: zet %1 op 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are PMR446 channels, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1: %2 zijn PMR446-kanalen (12,5 kHz breed) in een 25Khz-groep: zet %1 op 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is an LPD433 channel, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1: %2 is een LPD433-kanaal (25 kHz breed) in een 12.5Khz-groep: zet %1 op 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are LPD433 channels, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1: %2 zijn LPD433-kanalen (25 kHz breed) in een 12.5Khz-groep: zet %1 op 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1: %2 ligt buiten de vergunningvrije kanalen (PMR446: 446.00625 tot 446.19375 MHz; LPD433: 433.07500 tot 434.77500 MHz), ter informatie.</translation>
    </message>
    <message>
        <source>%1: %2 are outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1: %2 liggen buiten de vergunningvrije kanalen (PMR446: 446.00625 tot 446.19375 MHz; LPD433: 433.07500 tot 434.77500 MHz), ter informatie.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Before a Send: %1</source>
        <translation>Voor het zenden: %1</translation>
    </message>
    <message>
        <source>Before a Send (1 of %1, all in Edit &gt; Check Setting): %2</source>
        <translation>Voor het zenden (1 van %1, alle in Bewerken &gt; Instelling controleren): %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Channel Spacing of %1</source>
        <translation>Kanaalafstand van %1</translation>
    </message>
    <message>
        <source>Name of %1 of %2</source>
        <translation>Naam van %1 van %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Wijzigingen</translation>
    </message>
    <message>
        <source>Fill Group %1</source>
        <translation>Groep %1 vullen</translation>
    </message>
    <message>
        <source>Clear Group %1</source>
        <translation>Groep %1 leegmaken</translation>
    </message>
    <message>
        <source>Paste Group %1</source>
        <translation>Groep %1 plakken</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Op&amp;nieuw: %1</translation>
    </message>
    <message>
        <source>%1 %2: %3 is outside 400 to 500 MHz, not taken</source>
        <translation>%1 %2: %3 ligt buiten 400 tot 500 MHz, niet overgenomen</translation>
    </message>
    <message>
        <source>%1 %2: %3 is not a frequency, not taken</source>
        <translation>%1 %2: %3 is geen frequentie, niet overgenomen</translation>
    </message>
    <message>
        <source>%1 %2: %3 moved down to %4 (6.25 kHz steps)</source>
        <translation>%1 %2: %3 omlaag afgerond naar %4 (stappen van 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1 %2: %3 completed to %4</source>
        <translation>%1 %2: %3 aangevuld tot %4</translation>
    </message>
    <message numerus="yes">
        <source>The title has more than %Ln characters: shorten it to keep it.</source>
        <comment>The title has more than %Ln character: shorten it to keep it.</comment>
        <translation>
            <numerusform>De titel heeft meer dan %Ln teken: maak hem korter om hem te bewaren.</numerusform>
            <numerusform>De titel heeft meer dan %Ln tekens: maak hem korter om hem te bewaren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The notes have more than %Ln characters: shorten them to keep them.</source>
        <comment>The notes have more than %Ln character: shorten them to keep them.</comment>
        <translation>
            <numerusform>De notities hebben meer dan %Ln teken: maak ze korter om ze te bewaren.</numerusform>
            <numerusform>De notities hebben meer dan %Ln tekens: maak ze korter om ze te bewaren.</numerusform>
        </translation>
    </message>
    <message>
        <source>The title holds a control character: take it out to keep it.</source>
        <translation>De titel bevat een stuurteken: haal het weg om de titel te bewaren.</translation>
    </message>
    <message>
        <source>The notes hold a control character: take it out to keep them.</source>
        <translation>De notities bevatten een stuurteken: haal het weg om de notities te bewaren.</translation>
    </message>
    <message>
        <source>Made %1 with Velmar</source>
        <translation>Gemaakt op %1 met Velmar</translation>
    </message>
    <message>
        <source>Channel card written to %1</source>
        <translation>Kanaalkaart geschreven naar %1</translation>
    </message>
    <message>
        <source>there is no font to write it in: install %1 (the fonts-dejavu-core package)</source>
        <translation>er is geen lettertype om haar in te schrijven: installeer %1 (het pakket fonts-dejavu-core)</translation>
    </message>
    <message>
        <source>The channel card was not written: %1</source>
        <translation>De kanaalkaart is niet geschreven: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2: a name has up to %Ln characters, not taken</source>
        <comment>%1 %2: a name has up to %Ln character, not taken</comment>
        <translation>
            <numerusform>%1 %2: een naam heeft ten hoogste %Ln teken, niet overgenomen</numerusform>
            <numerusform>%1 %2: een naam heeft ten hoogste %Ln tekens, niet overgenomen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: a name holds no control characters, not taken</source>
        <translation>%1 %2: een naam bevat geen stuurtekens, niet overgenomen</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: %4 of its rows say FM, %5 say NFM.</source>
        <translation>%1 gaat van %2 naar %3: %4 van zijn regels zeggen FM, %5 zeggen NFM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say FM.</source>
        <translation>%1 gaat van %2 naar %3: zijn regels zeggen FM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say NFM.</source>
        <translation>%1 gaat van %2 naar %3: zijn regels zeggen NFM.</translation>
    </message>
    <message>
        <source>identical: this is what the radio got at %1</source>
        <translation>identiek: dit heeft de radio op %1 ontvangen</translation>
    </message>
    <message>
        <source>identical: the setting shown is %1</source>
        <translation>identiek: de getoonde instelling is %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln differences from %1 to the setting shown: see the details.</source>
        <comment>%Ln difference from %1 to the setting shown: see the details.</comment>
        <translation>
            <numerusform>%Ln verschil van %1 met de getoonde instelling: zie de details.</numerusform>
            <numerusform>%Ln verschillen van %1 met de getoonde instelling: zie de details.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1 %2 name</source>
        <translation>%1 %2 naam</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geopend</translation>
    </message>
    <message>
        <source>Opened a copy of %1: Save asks for a new file</source>
        <translation>Een kopie van %1 geopend: Opslaan vraagt om een nieuw bestand</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 opgeslagen</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>Kanalen geëxporteerd naar %1</translation>
    </message>
    <message>
        <source>The setting has changes that are not saved. Save them?</source>
        <translation>De instelling heeft wijzigingen die niet zijn opgeslagen. Opslaan?</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 heeft wijzigingen die niet zijn opgeslagen. Opslaan?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Velmar opened or saved it. Overwrite those changes with the setting shown, or save it as another file?</source>
        <translation>%1 is door een ander programma gewijzigd sinds Velmar het opende of opsloeg. Die wijzigingen overschrijven met de getoonde instelling, of haar als een ander bestand opslaan?</translation>
    </message>
    <message>
        <source>%1 is a channel list (CSV), not a setting file. Import its channels into the setting shown?</source>
        <translation>%1 is een kanaallijst (CSV), geen instellingenbestand. De kanalen ervan importeren in de getoonde instelling?</translation>
    </message>
    <message>
        <source>Not remembered: %1</source>
        <translation>Niet onthouden: %1</translation>
    </message>
    <message>
        <source>No recent files: %1</source>
        <translation>Geen recente bestanden: %1</translation>
    </message>
    <message>
        <source>Not kept in the history of sent settings: %1</source>
        <translation>Niet bewaard in de geschiedenis van verzonden instellingen: %1</translation>
    </message>
    <message>
        <source>Unsaved changes not kept against a crash: %1</source>
        <translation>Niet-opgeslagen wijzigingen niet beveiligd tegen een crash: %1</translation>
    </message>
    <message>
        <source>no channels</source>
        <translation>geen kanalen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in 1 group</source>
        <comment>%Ln channel in 1 group</comment>
        <translation>
            <numerusform>%Ln kanaal in 1 groep</numerusform>
            <numerusform>%Ln kanalen in 1 groep</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in %1 groups</source>
        <comment>%Ln channel in %1 groups</comment>
        <translation>
            <numerusform>%Ln kanaal in %1 groepen</numerusform>
            <numerusform>%Ln kanalen in %1 groepen</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to a setting (%2). Restore them?</source>
        <translation>Velmar stopte om %1 zonder de wijzigingen aan een instelling op te slaan (%2). Herstellen?</translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to %2 (%3). Restore them?</source>
        <translation>Velmar stopte om %1 zonder de wijzigingen aan %2 op te slaan (%3). Herstellen?</translation>
    </message>
    <message>
        <source>(%1 of %2 windows) %3</source>
        <translation>(%1 van %2 vensters) %3</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to a setting</source>
        <translation>De niet-opgeslagen wijzigingen aan een instelling hersteld</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to %1</source>
        <translation>De niet-opgeslagen wijzigingen aan %1 hersteld</translation>
    </message>
    <message>
        <source>%1: permission denied. Your user must be in the group that owns the device, &quot;%2&quot; (for example: sudo usermod -aG %2 $USER), and log in again.</source>
        <translation>%1: toegang geweigerd. Uw gebruiker moet lid zijn van de groep die eigenaar is van het apparaat, &quot;%2&quot; (bijvoorbeeld: sudo usermod -aG %2 $USER), en opnieuw inloggen.</translation>
    </message>
    <message>
        <source>%1: permission denied. Only root may open this device. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %2), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1: toegang geweigerd. Alleen root mag dit apparaat openen. Vraag de beheerder om een udev-regel die het aan de groep &quot;dialout&quot; geeft (bijvoorbeeld een bestand /etc/udev/rules.d/50-velmar.rules met de regel %2), word lid van die groep (sudo usermod -aG dialout $USER) en log opnieuw in.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device belongs to the group &quot;%2&quot;, which gives its members much more than this device: do not join it. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %3), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1: toegang geweigerd. Het apparaat hoort bij de groep &quot;%2&quot;, die haar leden veel meer geeft dan dit apparaat: word er geen lid van. Vraag de beheerder om een udev-regel die het aan de groep &quot;dialout&quot; geeft (bijvoorbeeld een bestand /etc/udev/rules.d/50-velmar.rules met de regel %3), word lid van die groep (sudo usermod -aG dialout $USER) en log opnieuw in.</translation>
    </message>
    <message>
        <source>it is open in this program</source>
        <translation>het is open in dit programma</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>een ander programma houdt het vast</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>de poort is niet open</translation>
    </message>
    <message>
        <source>0 baud is not a speed</source>
        <translation>0 baud is geen snelheid</translation>
    </message>
    <message>
        <source>%1 baud is not a speed this system can set</source>
        <translation>%1 baud is geen snelheid die dit systeem kan instellen</translation>
    </message>
    <message>
        <source>%1 data bits are not possible (5 to 8 are)</source>
        <translation>%1 databits zijn niet mogelijk (5 tot 8 wel)</translation>
    </message>
    <message>
        <source>one and a half stop bits are not available on this system</source>
        <translation>anderhalve stopbit is op dit systeem niet beschikbaar</translation>
    </message>
    <message>
        <source>stop-bits code %1 is unknown (0 = one, 2 = two)</source>
        <translation>stopbitcode %1 is onbekend (0 = één, 2 = twee)</translation>
    </message>
    <message>
        <source>parity code %1 is unknown (0 to 4 are)</source>
        <translation>pariteitscode %1 is onbekend (0 tot 4 zijn bekend)</translation>
    </message>
    <message>
        <source>the driver did not keep %1 baud</source>
        <translation>het stuurprogramma heeft %1 baud niet behouden</translation>
    </message>
    <message>
        <source>the driver did not keep %1 data bits</source>
        <translation>het stuurprogramma heeft %1 databits niet behouden</translation>
    </message>
    <message>
        <source>the driver did not keep the stop bits</source>
        <translation>het stuurprogramma heeft de stopbits niet behouden</translation>
    </message>
    <message>
        <source>the driver did not keep parity code %1</source>
        <translation>het stuurprogramma heeft pariteitscode %1 niet behouden</translation>
    </message>
    <message>
        <source>the driver did not turn flow control off</source>
        <translation>het stuurprogramma heeft de datastroombesturing niet uitgezet</translation>
    </message>
    <message>
        <source>the driver did not keep raw mode</source>
        <translation>het stuurprogramma heeft de ruwe modus niet behouden</translation>
    </message>
    <message>
        <source>no watch thread could be started</source>
        <translation>er kon geen bewakingsthread worden gestart</translation>
    </message>
    <message>
        <source>%1: no such device (%2).</source>
        <translation>%1: apparaat bestaat niet (%2).</translation>
    </message>
    <message>
        <source>%1 is busy: %2.</source>
        <translation>%1 is bezet: %2.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it. Close that program and connect again.</source>
        <translation>%1 is bezet: een ander programma houdt het vast. Sluit dat programma en maak opnieuw verbinding.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 is geen serieel apparaat.</translation>
    </message>
    <message>
        <source>%1: the line settings were refused: %2.</source>
        <translation>%1: de lijninstellingen werden geweigerd: %2.</translation>
    </message>
    <message>
        <source>%1 could not be opened: the system is out of resources (%2).</source>
        <translation>%1 kon niet worden geopend: het systeem heeft geen middelen meer (%2).</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 kon niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>the whole frame was sent</source>
        <translation>het hele frame is verzonden</translation>
    </message>
    <message>
        <source>the line hung up (the cable or adapter was disconnected, or the other side closed)</source>
        <translation>de lijn heeft opgehangen (de kabel of adapter is losgekoppeld, of de andere kant heeft gesloten)</translation>
    </message>
    <message>
        <source>a write did not get its bytes out in time (the line is held up or the device failed)</source>
        <translation>een schrijfopdracht kreeg haar bytes niet op tijd naar buiten (de lijn hangt of het apparaat is uitgevallen)</translation>
    </message>
    <message>
        <source>the line stalled for %1 ms after byte %2, longer than the radio waits: it may not have taken the frame; send again</source>
        <translation>de lijn haperde %1 ms na byte %2, langer dan de radio wacht: misschien heeft hij het frame niet ontvangen; zend opnieuw</translation>
    </message>
    <message>
        <source>stopped by Disconnect</source>
        <translation>gestopt door Verbinding verbreken</translation>
    </message>
    <message>
        <source>stopped after the whole frame was sent</source>
        <translation>gestopt nadat het hele frame was verzonden</translation>
    </message>
    <message>
        <source>stopped before the frame was complete</source>
        <translation>gestopt voordat het frame compleet was</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>opdrachtregel</translation>
    </message>
    <message>
        <source>remembered</source>
        <translation>onthouden</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>gekozen</translation>
    </message>
    <message>
        <source>remembered port unreadable</source>
        <translation>onthouden poort onleesbaar</translation>
    </message>
    <message>
        <source>default</source>
        <translation>standaard</translation>
    </message>
    <message>
        <source>COM1 = no device (%1)</source>
        <translation>COM1 = geen apparaat (%1)</translation>
    </message>
    <message>
        <source>COM1 = %1 (%2)</source>
        <translation>COM1 = %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was still marked as held by a program that had ended; the mark was cleared.</source>
        <translation>%1 stond nog gemarkeerd als vastgehouden door een programma dat was gestopt; de markering is gewist.</translation>
    </message>
    <message>
        <source>COM1 stands for no device: the port chosen last cannot be read (%1). Give the port with --port DEV, or choose one in the Port menu of Velmar&apos;s window.</source>
        <translation>COM1 staat voor geen apparaat: de laatst gekozen poort kan niet worden gelezen (%1). Geef de poort op met --port DEV, of kies er een in het menu Poort van het Velmar-venster.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows say</source>
        <comment>%Ln row says</comment>
        <translation>
            <numerusform>%Ln regel zegt</numerusform>
            <numerusform>%Ln regels zeggen</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: no Location, not taken</source>
        <translation>regel %1: geen Location, niet overgenomen</translation>
    </message>
    <message>
        <source>line %1: Location &quot;%2&quot; is not a number, not taken</source>
        <translation>regel %1: Location &quot;%2&quot; is geen getal, niet overgenomen</translation>
    </message>
    <message>
        <source>line %1: Location %2 is beyond the 64 channels, not taken</source>
        <translation>regel %1: Location %2 ligt voorbij de 64 kanalen, niet overgenomen</translation>
    </message>
    <message>
        <source>line %1: no frequency, not taken</source>
        <translation>regel %1: geen frequentie, niet overgenomen</translation>
    </message>
    <message>
        <source>line %1: Frequency &quot;%2&quot; is not a number, not taken</source>
        <translation>regel %1: Frequency &quot;%2&quot; is geen getal, niet overgenomen</translation>
    </message>
    <message>
        <source>line %1: %2 MHz is outside 400 to 500 MHz, not taken</source>
        <translation>regel %1: %2 MHz ligt buiten 400 tot 500 MHz, niet overgenomen</translation>
    </message>
    <message>
        <source>line %1: Frequency %2 has a decimal comma that splits it in two, not taken: write it with a point, or in quotes</source>
        <translation>regel %1: Frequency %2 heeft een decimale komma die haar in tweeën splitst, niet overgenomen: schrijf haar met een punt, of tussen aanhalingstekens</translation>
    </message>
    <message>
        <source>line %1: %2: %3 moved to %4 (6.25 kHz steps)</source>
        <translation>regel %1: %2: %3 verplaatst naar %4 (stappen van 6,25 kHz)</translation>
    </message>
    <message>
        <source>line %1: %2 moved to %3 (6.25 kHz steps)</source>
        <translation>regel %1: %2 verplaatst naar %3 (stappen van 6,25 kHz)</translation>
    </message>
    <message>
        <source>line %1: %2: given on line %3 too; this later row is taken</source>
        <translation>regel %1: %2: ook opgegeven op regel %3; deze latere regel wordt overgenomen</translation>
    </message>
    <message>
        <source>line %1: given on line %2 too; this later row is taken</source>
        <translation>regel %1: ook opgegeven op regel %2; deze latere regel wordt overgenomen</translation>
    </message>
    <message>
        <source>line %1: %2: %3 not kept: this radio has no such setting</source>
        <translation>regel %1: %2: %3 niet bewaard: deze radio heeft zo&apos;n instelling niet</translation>
    </message>
    <message>
        <source>line %1: %2 not kept: this radio has no such setting</source>
        <translation>regel %1: %2 niet bewaard: deze radio heeft zo&apos;n instelling niet</translation>
    </message>
    <message>
        <source>line %1: %2: %3 is the frequency of %4 too</source>
        <translation>regel %1: %2: %3 is ook de frequentie van %4</translation>
    </message>
    <message>
        <source>line %1: %2 is the frequency of %3 too</source>
        <translation>regel %1: %2 is ook de frequentie van %3</translation>
    </message>
    <message>
        <source>line %1: %2: the Name &quot;%3&quot; has more than %4 characters: &quot;%5&quot; kept</source>
        <translation>regel %1: %2: de naam &quot;%3&quot; heeft meer dan %4 tekens: &quot;%5&quot; bewaard</translation>
    </message>
    <message>
        <source>line %1: the Name &quot;%2&quot; has more than %3 characters: &quot;%4&quot; kept</source>
        <translation>regel %1: de naam &quot;%2&quot; heeft meer dan %3 tekens: &quot;%4&quot; bewaard</translation>
    </message>
    <message>
        <source>line %1: %2: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>regel %1: %2: de naam bevat een stuurteken of is geen UTF-8-tekst, niet bewaard</translation>
    </message>
    <message>
        <source>line %1: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>regel %1: de naam bevat een stuurteken of is geen UTF-8-tekst, niet bewaard</translation>
    </message>
    <message>
        <source>The Locations start at 0: taken in order, Location 0 as Group A CH1</source>
        <translation>De Locations beginnen bij 0: op volgorde overgenomen, Location 0 als Group A CH1</translation>
    </message>
    <message>
        <source>Group %1: %2 NFM (12.5 kHz), %3 FM (25 kHz): %4 taken</source>
        <translation>Group %1: %2 NFM (12,5 kHz), %3 FM (25 kHz): %4 overgenomen</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>regel %1: </translation>
    </message>
    <message>
        <source>not a channel list: no header line with the columns Location and Frequency</source>
        <translation>geen kanaallijst: geen kopregel met de kolommen Location en Frequency</translation>
    </message>
    <message>
        <source>not a channel list: its columns are separated by semicolons; save it with commas (CSV) and import it again</source>
        <translation>geen kanaallijst: de kolommen zijn gescheiden door puntkomma&apos;s; sla haar op met komma&apos;s (CSV) en importeer haar opnieuw</translation>
    </message>
    <message>
        <source>not a channel list: line %1 has more than 256 columns</source>
        <translation>geen kanaallijst: regel %1 heeft meer dan 256 kolommen</translation>
    </message>
    <message>
        <source>not a channel list: the quote opened on line %1 is never closed, so the rest of the file would be one field</source>
        <translation>geen kanaallijst: het aanhalingsteken dat op regel %1 opent, wordt nooit gesloten, dus de rest van het bestand zou één veld zijn</translation>
    </message>
    <message>
        <source>not a channel list for this radio: more than %1 rows (it has 64 channels)</source>
        <translation>geen kanaallijst voor deze radio: meer dan %1 regels (hij heeft 64 kanalen)</translation>
    </message>
    <message>
        <source>%1 “%2”</source>
        <translation>%1 &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>The rows of %1 name %Ln channels.</source>
        <comment>The rows of %1 name %Ln channel.</comment>
        <translation>
            <numerusform>De regels van %1 noemen %Ln kanaal.</numerusform>
            <numerusform>De regels van %1 noemen %Ln kanalen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows are not taken.</source>
        <comment>%Ln row is not taken.</comment>
        <translation>
            <numerusform>%Ln regel wordt niet overgenomen.</numerusform>
            <numerusform>%Ln regels worden niet overgenomen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merge into the file&apos;s Locations: %Ln channels change; the channels the rows do not name stay as they are.</source>
        <comment>Merge into the file&apos;s Locations: %Ln channel changes; the channels the rows do not name stay as they are.</comment>
        <translation>
            <numerusform>Samenvoegen in de geheugenplaatsen van het bestand: %Ln kanaal verandert; de kanalen die de regels niet noemen, blijven zoals ze zijn.</numerusform>
            <numerusform>Samenvoegen in de geheugenplaatsen van het bestand: %Ln kanalen veranderen; de kanalen die de regels niet noemen, blijven zoals ze zijn.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace all channels: %Ln channels change; the channels the rows do not name are emptied.</source>
        <comment>Replace all channels: %Ln channel changes; the channels the rows do not name are emptied.</comment>
        <translation>
            <numerusform>Alle kanalen vervangen: %Ln kanaal verandert; de kanalen die de regels niet noemen, worden leeggemaakt.</numerusform>
            <numerusform>Alle kanalen vervangen: %Ln kanalen veranderen; de kanalen die de regels niet noemen, worden leeggemaakt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channels the rows change:</source>
        <translation>Kanalen die de regels veranderen:</translation>
    </message>
    <message>
        <source>Replace all channels also changes:</source>
        <translation>Alle kanalen vervangen verandert ook:</translation>
    </message>
    <message>
        <source>Rows not taken, and what the entry made of others:</source>
        <translation>Niet overgenomen regels, en wat de invoer van de andere maakte:</translation>
    </message>
    <message numerus="yes">
        <source>Merged %1 into its Locations: %Ln channels changed.</source>
        <comment>Merged %1 into its Locations: %Ln channel changed.</comment>
        <translation>
            <numerusform>%1 samengevoegd in zijn geheugenplaatsen: %Ln kanaal veranderd.</numerusform>
            <numerusform>%1 samengevoegd in zijn geheugenplaatsen: %Ln kanalen veranderd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replaced all channels with %1: %Ln channels changed.</source>
        <comment>Replaced all channels with %1: %Ln channel changed.</comment>
        <translation>
            <numerusform>Alle kanalen vervangen door %1: %Ln kanaal veranderd.</numerusform>
            <numerusform>Alle kanalen vervangen door %1: %Ln kanalen veranderd.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 received bytes were dropped: the receive queue held %2 of %3 bytes.</source>
        <translation>%1 ontvangen bytes zijn weggegooid: de ontvangstwachtrij bevatte %2 van %3 bytes.</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>een van %1</translation>
    </message>
    <message>
        <source>%1 (a Velmar setting file)</source>
        <translation>%1 (een Velmar-instellingenbestand)</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>een geheel getal van 1 tot en met %1</translation>
    </message>
    <message>
        <source>text of up to %1 characters, line breaks and tabs its only control characters</source>
        <translation>tekst van ten hoogste %1 tekens, met regeleinden en tabs als enige stuurtekens</translation>
    </message>
    <message>
        <source>text of up to %1 characters without control characters</source>
        <translation>tekst van ten hoogste %1 tekens zonder stuurtekens</translation>
    </message>
    <message>
        <source>a list of exactly eight groups, &quot;A&quot; to &quot;H&quot; in order</source>
        <translation>een lijst van precies acht groepen, &quot;A&quot; tot &quot;H&quot; op volgorde</translation>
    </message>
    <message>
        <source>an object with &quot;group&quot;, &quot;spacing&quot; and &quot;channels&quot;</source>
        <translation>een object met &quot;group&quot;, &quot;spacing&quot; en &quot;channels&quot;</translation>
    </message>
    <message>
        <source>%1 (the groups run &quot;A&quot; to &quot;H&quot; in order)</source>
        <translation>%1 (de groepen lopen van &quot;A&quot; tot &quot;H&quot; op volgorde)</translation>
    </message>
    <message>
        <source>a list of exactly eight channels, CH1 to CH8</source>
        <translation>een lijst van precies acht kanalen, CH1 tot CH8</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none</source>
        <translation>een frequentie van negen tekens van 400.00000 tot 500.00000 MHz op het raster van 6,25 kHz, zoals 446.00625, of &quot;&quot; voor geen</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none (the grid point below is %1)</source>
        <translation>een frequentie van negen tekens van 400.00000 tot 500.00000 MHz op het raster van 6,25 kHz, zoals 446.00625, of &quot;&quot; voor geen (het rasterpunt eronder is %1)</translation>
    </message>
    <message>
        <source>a list of exactly eight names, CH1 to CH8, &quot;&quot; for none</source>
        <translation>een lijst van precies acht namen, CH1 tot CH8, &quot;&quot; voor geen</translation>
    </message>
    <message>
        <source>an object with the 13 options, &quot;Scan Delay Time&quot; to &quot;Band Select&quot;</source>
        <translation>een object met de 13 opties, &quot;Scan Delay Time&quot; tot &quot;Band Select&quot;</translation>
    </message>
    <message>
        <source>a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>een JSON-object met &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>the whole file</source>
        <translation>het hele bestand</translation>
    </message>
    <message>
        <source>%1: missing, must be %2</source>
        <translation>%1: ontbreekt, moet %2 zijn</translation>
    </message>
    <message>
        <source>%1: is %2, must be %3</source>
        <translation>%1: is %2, moet %3 zijn</translation>
    </message>
    <message>
        <source>%1: has %2 groups, must be %3</source>
        <translation>%1: heeft %2 groepen, moet %3 zijn</translation>
    </message>
    <message>
        <source>%1: has %2 channels, must be %3</source>
        <translation>%1: heeft %2 kanalen, moet %3 zijn</translation>
    </message>
    <message>
        <source>%1: has %2 characters, must be %3</source>
        <translation>%1: heeft %2 tekens, moet %3 zijn</translation>
    </message>
    <message>
        <source>%1: holds a control character, must be %2</source>
        <translation>%1: bevat een stuurteken, moet %2 zijn</translation>
    </message>
    <message>
        <source>%1: is %2: made by a newer Velmar; this one reads versions up to %3</source>
        <translation>%1: is %2: gemaakt door een nieuwere Velmar; deze leest versies tot en met %3</translation>
    </message>
    <message>
        <source>not JSON: nested deeper than %1 levels at byte %2; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>geen JSON: dieper genest dan %1 niveaus bij byte %2; een instellingenbestand is een JSON-object met &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: a NUL character at byte %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>geen JSON: een NUL-teken bij byte %1; een instellingenbestand is een JSON-object met &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>geen JSON: %1; een instellingenbestand is een JSON-object met &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>%1: has the key %2 twice; each key may appear once</source>
        <translation>%1: heeft de sleutel %2 twee keer; elke sleutel mag één keer voorkomen</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>groter dan %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>te veel niveaus van symbolische koppelingen</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>cannot create a temporary file in %1: %2</source>
        <translation>kan geen tijdelijk bestand maken in %1: %2</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; is not one device</source>
        <translation>de waarde van &quot;%1&quot; is niet één apparaat</translation>
    </message>
    <message>
        <source>it is %1, the setting file it is made from</source>
        <translation>het is %1, het instellingenbestand waarvan ze gemaakt wordt</translation>
    </message>
    <message>
        <source>cannot keep the sent setting in %1: %2</source>
        <translation>kan de verzonden instelling niet bewaren in %1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1: kan niet lezen: %2</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: kan niet schrijven: %2</translation>
    </message>
    <message>
        <source>The channel card cannot be printed: %1</source>
        <translation>De kanaalkaart kan niet worden afgedrukt: %1</translation>
    </message>
    <message>
        <source>The serial ports present cannot be listed: %1</source>
        <translation>De aanwezige seriële poorten kunnen niet worden opgesomd: %1</translation>
    </message>
    <message>
        <source>%1 needs the PDF file to write</source>
        <translation>%1 heeft het PDF-bestand nodig om te schrijven</translation>
    </message>
    <message>
        <source>%1 needs a device</source>
        <translation>%1 heeft een apparaat nodig</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>onbekende optie: %1</translation>
    </message>
    <message>
        <source>no setting file given</source>
        <translation>geen instellingenbestand opgegeven</translation>
    </message>
    <message>
        <source>one setting file only, not %1</source>
        <translation>één instellingenbestand, niet %1</translation>
    </message>
    <message>
        <source>--card needs a FILE.velmar to make the card of</source>
        <translation>--card heeft een BESTAND.velmar nodig om de kaart van te maken</translation>
    </message>
    <message>
        <source>Usage: velmar [OPTION]... [FILE.velmar]
Program the channels and options of a UHF PMR/LPD hand-held radio.

Velmar shows one settings dialog: eight channel groups of eight frequencies
(400 to 500 MHz on a 6.25 kHz grid), a channel spacing per group and the
radio&apos;s options. Connect opens the radio&apos;s programming cable, COM1, at 4800
baud, 8 data bits, no parity and two stop bits; Send writes the whole setting
to the radio as one 258-byte programming frame in 141 paced writes. Settings
are kept in setting files (FILE.velmar), and every complete Send is kept in the
history of sent settings.

Options:
  FILE.velmar          open this setting file at start
      --port DEV       use the serial device DEV as COM1 for this run (a USB
                       cable such as /dev/ttyUSB0, or a pseudo-terminal)
      --card OUT.pdf   write the channel card of FILE.velmar to OUT.pdf and
                       exit, without a window: 0 when written, 2 when the
                       file is refused, 1 when the card cannot be written
  -h, --help           display this help and exit
      --version        output version information and exit

COM1 is the first of: --port DEV, the environment&apos;s VELMAR_COM1, the port
chosen last time in the window&apos;s Port menu, /dev/ttyS0. The status line says
which one is in force and why.

Environment:
  VELMAR_COM1      the serial device that COM1 stands for, for example
                   /dev/ttyUSB0 for a USB programming cable

Files:
  ~/.config/velmar/%1    what the window remembers: the port chosen,
                                 the recent files ($XDG_CONFIG_HOME/velmar
                                 when that is set)
  ~/.local/share/velmar/sent/    the settings of the last 500 complete Sends
                                 ($XDG_DATA_HOME/velmar/sent when that is set)

Examples:
  velmar club.velmar                    open a setting and send it from the window
  velmar --port /dev/ttyUSB0            use a USB programming cable as COM1
</source>
        <translation>Gebruik: velmar [OPTIE]... [BESTAND.velmar]
Programmeert de kanalen en opties van een UHF PMR/LPD-portofoon.

Velmar toont één instellingenvenster: acht kanaalgroepen van acht frequenties
(400 tot 500 MHz in stappen van 6,25 kHz), een kanaalafstand per groep en de
opties van de radio. &quot;Connect&quot; opent de programmeerkabel van de radio, COM1,
met 4800 baud, 8 databits, geen pariteit en twee stopbits; &quot;Send&quot; schrijft de
hele instelling naar de radio als één programmeerframe van 258 bytes in 141
getimede schrijfacties. Instellingen worden bewaard in instellingenbestanden
(BESTAND.velmar), en elke volledige verzending in de geschiedenis van
verzonden instellingen.

Opties:
  BESTAND.velmar       dit instellingenbestand bij het starten openen
      --port DEV       het seriële apparaat DEV deze keer als COM1 gebruiken
                       (een USB-kabel zoals /dev/ttyUSB0, of een
                       pseudoterminal)
      --card OUT.pdf   de kanaalkaart van BESTAND.velmar naar OUT.pdf
                       schrijven en stoppen, zonder venster: 0 als ze is
                       geschreven, 2 als het bestand wordt geweigerd, 1 als
                       de kaart niet kan worden geschreven
  -h, --help           deze hulp tonen en stoppen
      --version        versie-informatie tonen en stoppen

COM1 is de eerste van: --port DEV, VELMAR_COM1 uit de omgeving, de poort die
de laatste keer in het menu Poort van het venster is gekozen, /dev/ttyS0. De
statusregel zegt welke geldt en waarom.

Omgeving:
  VELMAR_COM1      het seriële apparaat waar COM1 voor staat, bijvoorbeeld
                   /dev/ttyUSB0 voor een USB-programmeerkabel

Bestanden:
  ~/.config/velmar/%1    wat het venster onthoudt: de gekozen poort,
                                 de recente bestanden ($XDG_CONFIG_HOME/velmar
                                 als die is ingesteld)
  ~/.local/share/velmar/sent/    de instellingen van de laatste 500 volledige
                                 verzendingen ($XDG_DATA_HOME/velmar/sent
                                 als die is ingesteld)

Voorbeelden:
  velmar club.velmar                    een instelling openen en vanuit het
                                        venster verzenden
  velmar --port /dev/ttyUSB0            een USB-programmeerkabel als COM1
                                        gebruiken
</translation>
    </message>
</context>
</TS>
