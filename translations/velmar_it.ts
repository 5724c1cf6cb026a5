<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Velmar</name>
    <message>
        <source>Radio &amp;Options</source>
        <translation>&amp;Opzioni della radio</translation>
    </message>
    <message>
        <source>Radio Options</source>
        <translation>Opzioni della radio</translation>
    </message>
    <message>
        <source>What each option of the radio is. The texts in quotes are the dialog&apos;s own; the radio stores each choice as one code.</source>
        <translation>Che cos&apos;è ogni opzione della radio. I testi tra virgolette sono quelli del dialogo stesso; la radio memorizza ogni scelta come un codice.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>Sent…</source>
        <translation>Inviate…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salva &amp;come…</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)…</source>
        <translation>&amp;Importa canali (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export Channels (CSV)…</source>
        <translation>Esporta &amp;canali (CSV)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Propri&amp;età…</translation>
    </message>
    <message>
        <source>Export Channel Car&amp;d…</source>
        <translation>Esporta sc&amp;heda canali…</translation>
    </message>
    <message>
        <source>&amp;Print Channel Card…</source>
        <translation>Stam&amp;pa scheda canali…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Porta</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connetti</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnetti</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Invia</translation>
    </message>
    <message>
        <source>&amp;Other Device…</source>
        <translation>&amp;Altro dispositivo…</translation>
    </message>
    <message>
        <source>&amp;Find My Cable…</source>
        <translation>&amp;Trova il mio cavo…</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canali</translation>
    </message>
    <message>
        <source>&amp;Fill Group with</source>
        <translation>&amp;Riempi il gruppo con</translation>
    </message>
    <message>
        <source>&amp;Clear Group</source>
        <translation>&amp;Svuota il gruppo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>Con&amp;fronta con…</translation>
    </message>
    <message>
        <source>Compare With &amp;Last Sent</source>
        <translation>Confronta con l&apos;&amp;ultimo invio</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Copy Group</source>
        <translation>&amp;Copia gruppo</translation>
    </message>
    <message>
        <source>&amp;Paste Group</source>
        <translation>&amp;Incolla gruppo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;All Channels</source>
        <translation>&amp;Tutti i canali</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Messaggi</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Copia tutto</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Più tardi</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sovrascrivi</translation>
    </message>
    <message>
        <source>&amp;Merge into the file&apos;s Locations</source>
        <translation>&amp;Unisci nelle posizioni del file</translation>
    </message>
    <message>
        <source>Replace &amp;all channels</source>
        <translation>Sostituisci &amp;tutti i canali</translation>
    </message>
    <message>
        <source>Velmar settings (*.velmar)</source>
        <translation>Impostazioni Velmar (*.velmar)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Elenchi di canali (*.csv)</translation>
    </message>
    <message>
        <source>Open Setting</source>
        <translation>Apri impostazione</translation>
    </message>
    <message>
        <source>Save Setting As</source>
        <translation>Salva impostazione come</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importa canali</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Esporta canali</translation>
    </message>
    <message>
        <source>Open a Sent Setting</source>
        <translation>Apri un&apos;impostazione inviata</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Channel Card</source>
        <translation>Esporta scheda canali</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>The title, the notes and the channels&apos; names travel with the setting file and go on the channel card; the radio does not store them.</source>
        <translation>Il titolo, le note e i nomi dei canali viaggiano con il file di impostazione e compaiono sulla scheda canali; la radio non li memorizza.</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Scheda canali</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>No channel has a frequency.</source>
        <translation>Nessun canale ha una frequenza.</translation>
    </message>
    <message>
        <source>In this mode the radio uses its own channels: the groups below are not in use until &quot;GRUOP&quot; is chosen.</source>
        <translation>In questa modalità la radio usa i propri canali: i gruppi qui sotto non sono in uso finché non si sceglie «GRUOP».</translation>
    </message>
    <message>
        <source>Disconnect to change the port: the port in use stays until then.</source>
        <translation>Disconnetti per cambiare porta: la porta in uso resta fino ad allora.</translation>
    </message>
    <message>
        <source>Other Device</source>
        <translation>Altro dispositivo</translation>
    </message>
    <message>
        <source>The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):</source>
        <translation>Il dispositivo che COM1 rappresenta (un dispositivo seriale, uno pseudo-terminale o un collegamento a uno di essi):</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>Trova il mio cavo</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>integrata</translation>
    </message>
    <message>
        <source>open</source>
        <translation>aperta</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>chiusa</translation>
    </message>
    <message>
        <source>open, the line hung up</source>
        <translation>aperta, la linea ha riagganciato</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>Avanzamento dell&apos;invio</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Ricevuti</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Closing after the Send…</source>
        <translation>Chiusura dopo l&apos;invio…</translation>
    </message>
    <message>
        <source>PMR, LPD and PMR + LPD use the radio&apos;s own channels: choose &quot;GRUOP&quot; to program the groups.</source>
        <translation>PMR, LPD e PMR + LPD usano i canali propri della radio: scegli «GRUOP» per programmare i gruppi.</translation>
    </message>
    <message>
        <source>The channels are programmed in the &quot;GRUOP&quot; mode.</source>
        <translation>I canali si programmano nella modalità «GRUOP».</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Tutti i canali</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Spaziatura</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Same as</source>
        <translation>Uguale a</translation>
    </message>
    <message>
        <source>Chec&amp;k Setting</source>
        <translation>Contro&amp;lla impostazione</translation>
    </message>
    <message>
        <source>Check Setting</source>
        <translation>Controlla impostazione</translation>
    </message>
    <message>
        <source>Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds a frequency twice.</source>
        <translation>Nulla da segnalare: ogni canale è un canale PMR446 o LPD433 in un gruppo della sua spaziatura, e nessun gruppo contiene due volte la stessa frequenza.</translation>
    </message>
    <message>
        <source>Nothing to check: in this mode the radio uses its own channels, not the groups.</source>
        <translation>Nulla da controllare: in questa modalità la radio usa i propri canali, non i gruppi.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>No Send the radio could have taken has been kept yet: the history of sent settings holds none.</source>
        <translation>Non è ancora stato conservato alcun invio che la radio potesse ricevere: la cronologia delle impostazioni inviate è vuota.</translation>
    </message>
    <message>
        <source>Which channels the radio uses. &quot;PMR&quot;, &quot;LPD&quot; and &quot;PMR + LPD&quot; use the radio&apos;s own PMR446 channels, LPD433 channels or both; &quot;GRUOP&quot; (group) uses the eight groups of eight channels programmed here, and only it opens the channel edits.</source>
        <translation>Quali canali usa la radio. «PMR», «LPD» e «PMR + LPD» usano i canali PMR446, i canali LPD433 o entrambi propri della radio; «GRUOP» (gruppo) usa gli otto gruppi di otto canali programmati qui, e solo questa modalità apre i campi dei canali.</translation>
    </message>
    <message>
        <source>The group shown in CH1 to CH8. The radio holds eight groups, A to H, of eight channels each; every group is sent, not only the one shown.</source>
        <translation>Il gruppo mostrato in CH1–CH8. La radio ha otto gruppi, dalla A alla H, di otto canali ciascuno; vengono inviati tutti i gruppi, non solo quello mostrato.</translation>
    </message>
    <message>
        <source>The channel spacing of the group shown, each group its own: &quot;12.5Khz&quot; (narrow, as PMR446 channels are) or &quot;25Khz&quot; (wide, as LPD433 channels are spaced).</source>
        <translation>La spaziatura dei canali del gruppo mostrato, propria di ogni gruppo: «12.5Khz» (stretta, come i canali PMR446) o «25Khz» (larga, come la spaziatura dei canali LPD433).</translation>
    </message>
    <message>
        <source>Scan delay: in the usual radio term, how long a scan stays on a busy channel before it goes on. &quot;OFF&quot;, or 1 to 60 seconds.</source>
        <translation>Ritardo di scansione: nel termine radio consueto, quanto a lungo una scansione resta su un canale occupato prima di proseguire. «OFF», oppure da 1 a 60 secondi.</translation>
    </message>
    <message>
        <source>A time for the PTT (push-to-talk) key: &quot;OFF&quot;, or 5 to 60 seconds. What the radio times with it is not documented.</source>
        <translation>Un tempo per il tasto di trasmissione (PTT): «OFF», oppure da 5 a 60 secondi. Che cosa la radio temporizzi con esso non è documentato.</translation>
    </message>
    <message>
        <source>Busy channel lock-out, in the usual radio term: the radio does not transmit on a channel in use. &quot;OFF&quot;, &quot;CA On&quot;, &quot;CT On&quot; or &quot;DT On&quot;; what each of the last three judges a channel busy by is not documented.</source>
        <translation>Blocco su canale occupato (BCLO), nel termine radio consueto: la radio non trasmette su un canale in uso. «OFF», «CA On», «CT On» o «DT On»; in base a che cosa ciascuno degli ultimi tre giudichi occupato un canale non è documentato.</translation>
    </message>
    <message>
        <source>Transmit time-out timer (TOT): the longest the radio transmits for one press of the PTT key. &quot;OFF&quot;, or 15 to 240 seconds.</source>
        <translation>Timer di trasmissione (TOT): il tempo massimo di trasmissione per una pressione del tasto PTT. «OFF», oppure da 15 a 240 secondi.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long a voice must be heard before the radio starts to transmit. 0 to 200 milliseconds.</source>
        <translation>VOX (trasmissione attivata dalla voce): per quanto tempo una voce deve essere udita prima che la radio inizi a trasmettere. Da 0 a 200 millisecondi.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long the radio goes on transmitting after the voice stops. 0.5 to 2.0 seconds.</source>
        <translation>VOX (trasmissione attivata dalla voce): per quanto tempo la radio continua a trasmettere dopo che la voce si ferma. Da 0,5 a 2,0 secondi.</translation>
    </message>
    <message>
        <source>How long a key is held to count as a long press: 0.5, 1.0 or 2.0 seconds.</source>
        <translation>Per quanto tempo si tiene premuto un tasto perché conti come pressione lunga: 0,5, 1,0 o 2,0 secondi.</translation>
    </message>
    <message>
        <source>Battery saving (power save): while the channel is quiet the radio listens only part of the time. The values are the ratios &quot;0.0 : 0.0&quot;, &quot;1.0 : 1.0&quot;, &quot;1.5 : 1.0&quot; and &quot;2.0 : 1.0&quot;; which side of a ratio is the sleep is not documented.</source>
        <translation>Risparmio batteria (power save): mentre il canale è silenzioso la radio ascolta solo per parte del tempo. I valori sono i rapporti «0.0 : 0.0», «1.0 : 1.0», «1.5 : 1.0» e «2.0 : 1.0»; quale lato di un rapporto sia il riposo non è documentato.</translation>
    </message>
    <message>
        <source>CTCSS, the sub-audible tones PMR446 radios call privacy codes: the set of tones the radio offers. &quot;Disable&quot;, codes &quot;1 - 38&quot; or codes &quot;1 - 50&quot;.</source>
        <translation>CTCSS, i toni subaudio che le radio PMR446 chiamano codici privacy: l&apos;insieme dei toni che la radio offre. «Disable», codici «1 - 38» o codici «1 - 50».</translation>
    </message>
    <message>
        <source>DCS (digital coded squelch): the set of codes the radio offers. &quot;Disable&quot;, codes &quot;1 - 83&quot; or codes &quot;1 - 104&quot;.</source>
        <translation>DCS (squelch codificato digitale): l&apos;insieme dei codici che la radio offre. «Disable», codici «1 - 83» o codici «1 - 104».</translation>
    </message>
    <message>
        <source>&quot;On&quot; or &quot;Off&quot;. What the radio does with it is not documented.</source>
        <translation>«On» o «Off». Che cosa ne faccia la radio non è documentato.</translation>
    </message>
    <message>
        <source>&quot;410Mhz&quot; to &quot;490Mhz&quot;, in steps of 10 MHz. What the radio does with this choice is not documented, so Velmar does not judge the channels by it; the channels themselves may be anywhere from 400 to 500 MHz.</source>
        <translation>Da «410Mhz» a «490Mhz», a passi di 10 MHz. Che cosa faccia la radio con questa scelta non è documentato, quindi Velmar non giudica i canali in base a essa; i canali stessi possono trovarsi ovunque tra 400 e 500 MHz.</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2 (stalled: the radio may not have it)</source>
        <translation>registrazione dell&apos;invio del %1, checksum %2 (bloccato: la radio potrebbe non averlo)</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2</source>
        <translation>registrazione dell&apos;invio del %1, checksum %2</translation>
    </message>
    <message numerus="yes">
        <source>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln seconds.</source>
        <comment>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln second.</comment>
        <translation>
            <numerusform>Scollega ora il cavo di programmazione della radio, oppure collegalo; se era scollegato, ricollegalo. Velmar osserva le porte seriali per %Ln secondo.</numerusform>
            <numerusform>Scollega ora il cavo di programmazione della radio, oppure collegalo; se era scollegato, ricollegalo. Velmar osserva le porte seriali per %Ln secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not present now)</source>
        <translation>%1 (non presente ora)</translation>
    </message>
    <message>
        <source>%1 (a pseudo-terminal)</source>
        <translation>%1 (uno pseudo-terminale)</translation>
    </message>
    <message>
        <source>%1 (the simulated radio)</source>
        <translation>%1 (la radio simulata)</translation>
    </message>
    <message>
        <source>Found the cable: COM1 is now %1</source>
        <translation>Cavo trovato: COM1 ora è %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing changed: no serial port appeared or came back in %Ln seconds. COM1 stays %1.</source>
        <comment>Nothing changed: no serial port appeared or came back in %Ln second. COM1 stays %1.</comment>
        <translation>
            <numerusform>Nulla è cambiato: nessuna porta seriale è comparsa o tornata in %Ln secondo. COM1 resta %1.</numerusform>
            <numerusform>Nulla è cambiato: nessuna porta seriale è comparsa o tornata in %Ln secondi. COM1 resta %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 went away and did not come back in %Ln seconds. Plug the cable in and try again. COM1 stays %2.</source>
        <comment>%1 went away and did not come back in %Ln second. Plug the cable in and try again. COM1 stays %2.</comment>
        <translation>
            <numerusform>%1 è sparita e non è tornata in %Ln secondo. Collega il cavo e riprova. COM1 resta %2.</numerusform>
            <numerusform>%1 è sparita e non è tornata in %Ln secondi. Collega il cavo e riprova. COM1 resta %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Nessuna porta seriale è presente ora.</translation>
    </message>
    <message>
        <source>Serial ports present now:</source>
        <translation>Porte seriali presenti ora:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 s left</source>
        <translation>%1 di %2 byte, ancora %3 s</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2</source>
        <translation>Inviati %1 byte, checksum %2</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2, but %3</source>
        <translation>Inviati %1 byte, checksum %2, ma %3</translation>
    </message>
    <message>
        <source>Sent %1 of %2 bytes: %3</source>
        <translation>Inviati %1 di %2 byte: %3</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Ricevuti: %1</translation>
    </message>
    <message>
        <source>Received %1: %2</source>
        <translation>Ricevuti: %1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 completed to %3</source>
        <translation>%1: %2 completato in %3</translation>
    </message>
    <message>
        <source>%1: %2 is outside 400 to 500 MHz, cleared</source>
        <translation>%1: %2 è fuori da 400–500 MHz, cancellato</translation>
    </message>
    <message>
        <source>%1: %2 moved down to %3 (6.25 kHz steps)</source>
        <translation>%1: %2 abbassato a %3 (passi di 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1: %2 is not a frequency (three digits, a point, five digits), cleared</source>
        <translation>%1: %2 non è una frequenza (tre cifre, un punto, cinque cifre), cancellato</translation>
    </message>
    <message>
        <source>%1 %2 shows &quot;%3&quot;, which is not a frequency that can be sent. Complete it (nine characters, such as 446.10000) or clear it, then try again.</source>
        <translation>%1 %2 mostra «%3», che non è una frequenza inviabile. Completala (nove caratteri, come 446.10000) o cancellala, poi riprova.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %Ln characters.</source>
        <comment>Please enter no more than %Ln character.</comment>
        <translation>
            <numerusform>Inserisci al massimo %Ln carattere.</numerusform>
            <numerusform>Inserisci al massimo %Ln caratteri.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %Ln channels. Replace them with %2?</source>
        <comment>%1 holds %Ln channel. Replace it with %2?</comment>
        <translation>
            <numerusform>%1 contiene %Ln canale. Sostituirlo con %2?</numerusform>
            <numerusform>%1 contiene %Ln canali. Sostituirli con %2?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>%1 canale %2</translation>
    </message>
    <message>
        <source>%1 channels %2–%3</source>
        <translation>%1 canali %2–%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 are both %2</source>
        <translation>%1 sono entrambi %2</translation>
    </message>
    <message>
        <source>%1 are all %2</source>
        <translation>%1 sono tutti %2</translation>
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
            <numerusform>%Ln cosa da guardare prima di un invio; non lo blocca:</numerusform>
            <numerusform>%Ln cose da guardare prima di un invio; non lo bloccano:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 is a PMR446 channel, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1: %2 è un canale PMR446 (largo 12,5 kHz) in un gruppo a 25Khz: imposta %1 a 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are PMR446 channels, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1: %2 sono canali PMR446 (larghi 12,5 kHz) in un gruppo a 25Khz: imposta %1 a 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is an LPD433 channel, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1: %2 è un canale LPD433 (largo 25 kHz) in un gruppo a 12.5Khz: imposta %1 a 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are LPD433 channels, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1: %2 sono canali LPD433 (larghi 25 kHz) in un gruppo a 12.5Khz: imposta %1 a 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1: %2 è fuori dai canali liberi da licenza (PMR446: da 446.00625 a 446.19375 MHz; LPD433: da 433.07500 a 434.77500 MHz), per informazione.</translation>
    </message>
    <message>
        <source>%1: %2 are outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1: %2 sono fuori dai canali liberi da licenza (PMR446: da 446.00625 a 446.19375 MHz; LPD433: da 433.07500 a 434.77500 MHz), per informazione.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Before a Send: %1</source>
        <translation>Prima di un invio: %1</translation>
    </message>
    <message>
        <source>Before a Send (1 of %1, all in Edit &gt; Check Setting): %2</source>
        <translation>Prima di un invio (1 di %1, tutti in Modifica &gt; Controlla impostazione): %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Channel Spacing of %1</source>
        <translation>Spaziatura dei canali di %1</translation>
    </message>
    <message>
        <source>Name of %1 of %2</source>
        <translation>Nome di %1 di %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>Fill Group %1</source>
        <translation>Riempi il gruppo %1</translation>
    </message>
    <message>
        <source>Clear Group %1</source>
        <translation>Svuota il gruppo %1</translation>
    </message>
    <message>
        <source>Paste Group %1</source>
        <translation>Incolla il gruppo %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>%1 %2: %3 is outside 400 to 500 MHz, not taken</source>
        <translation>%1 %2: %3 è fuori da 400–500 MHz, non accettato</translation>
    </message>
    <message>
        <source>%1 %2: %3 is not a frequency, not taken</source>
        <translation>%1 %2: %3 non è una frequenza, non accettato</translation>
    </message>
    <message>
        <source>%1 %2: %3 moved down to %4 (6.25 kHz steps)</source>
        <translation>%1 %2: %3 abbassato a %4 (passi di 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1 %2: %3 completed to %4</source>
        <translation>%1 %2: %3 completato in %4</translation>
    </message>
    <message numerus="yes">
        <source>The title has more than %Ln characters: shorten it to keep it.</source>
        <comment>The title has more than %Ln character: shorten it to keep it.</comment>
        <translation>
            <numerusform>Il titolo ha più di %Ln carattere: accorcialo per conservarlo.</numerusform>
            <numerusform>Il titolo ha più di %Ln caratteri: accorcialo per conservarlo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The notes have more than %Ln characters: shorten them to keep them.</source>
        <comment>The notes have more than %Ln character: shorten them to keep them.</comment>
        <translation>
            <numerusform>Le note hanno più di %Ln carattere: accorciale per conservarle.</numerusform>
            <numerusform>Le note hanno più di %Ln caratteri: accorciale per conservarle.</numerusform>
        </translation>
    </message>
    <message>
        <source>The title holds a control character: take it out to keep it.</source>
        <translation>Il titolo contiene un carattere di controllo: toglilo per conservare il titolo.</translation>
    </message>
    <message>
        <source>The notes hold a control character: take it out to keep them.</source>
        <translation>Le note contengono un carattere di controllo: toglilo per conservare le note.</translation>
    </message>
    <message>
        <source>Made %1 with Velmar</source>
        <translation>Creata il %1 con Velmar</translation>
    </message>
    <message>
        <source>Channel card written to %1</source>
        <translation>Scheda canali scritta in %1</translation>
    </message>
    <message>
        <source>there is no font to write it in: install %1 (the fonts-dejavu-core package)</source>
        <translation>non c&apos;è alcun carattere tipografico con cui scriverla: installa %1 (il pacchetto fonts-dejavu-core)</translation>
    </message>
    <message>
        <source>The channel card was not written: %1</source>
        <translation>La scheda canali non è stata scritta: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2: a name has up to %Ln characters, not taken</source>
        <comment>%1 %2: a name has up to %Ln character, not taken</comment>
        <translation>
            <numerusform>%1 %2: un nome ha al massimo %Ln carattere, non accettato</numerusform>
            <numerusform>%1 %2: un nome ha al massimo %Ln caratteri, non accettato</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: a name holds no control characters, not taken</source>
        <translation>%1 %2: un nome non contiene caratteri di controllo, non accettato</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: %4 of its rows say FM, %5 say NFM.</source>
        <translation>%1 passa da %2 a %3: %4 delle sue righe dicono FM, %5 dicono NFM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say FM.</source>
        <translation>%1 passa da %2 a %3: le sue righe dicono FM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say NFM.</source>
        <translation>%1 passa da %2 a %3: le sue righe dicono NFM.</translation>
    </message>
    <message>
        <source>identical: this is what the radio got at %1</source>
        <translation>identica: questo è ciò che la radio ha ricevuto il %1</translation>
    </message>
    <message>
        <source>identical: the setting shown is %1</source>
        <translation>identica: l&apos;impostazione mostrata è %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln differences from %1 to the setting shown: see the details.</source>
        <comment>%Ln difference from %1 to the setting shown: see the details.</comment>
        <translation>
            <numerusform>%Ln differenza da %1 all&apos;impostazione mostrata: vedi i dettagli.</numerusform>
            <numerusform>%Ln differenze da %1 all&apos;impostazione mostrata: vedi i dettagli.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>%1 %2 name</source>
        <translation>%1 %2 nome</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Aperto %1</translation>
    </message>
    <message>
        <source>Opened a copy of %1: Save asks for a new file</source>
        <translation>Aperta una copia di %1: Salva chiede un nuovo file</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato %1</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>Canali esportati in %1</translation>
    </message>
    <message>
        <source>The setting has changes that are not saved. Save them?</source>
        <translation>L&apos;impostazione ha modifiche non salvate. Salvarle?</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 ha modifiche non salvate. Salvarle?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Velmar opened or saved it. Overwrite those changes with the setting shown, or save it as another file?</source>
        <translation>%1 è stato modificato da un altro programma da quando Velmar lo ha aperto o salvato. Sovrascrivere quelle modifiche con l&apos;impostazione mostrata, o salvarla come un altro file?</translation>
    </message>
    <message>
        <source>%1 is a channel list (CSV), not a setting file. Import its channels into the setting shown?</source>
        <translation>%1 è un elenco di canali (CSV), non un file di impostazione. Importarne i canali nell&apos;impostazione mostrata?</translation>
    </message>
    <message>
        <source>Not remembered: %1</source>
        <translation>Non memorizzato: %1</translation>
    </message>
    <message>
        <source>No recent files: %1</source>
        <translation>Nessun file recente: %1</translation>
    </message>
    <message>
        <source>Not kept in the history of sent settings: %1</source>
        <translation>Non conservato nella cronologia delle impostazioni inviate: %1</translation>
    </message>
    <message>
        <source>Unsaved changes not kept against a crash: %1</source>
        <translation>Modifiche non salvate non protette da un arresto anomalo: %1</translation>
    </message>
    <message>
        <source>no channels</source>
        <translation>nessun canale</translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in 1 group</source>
        <comment>%Ln channel in 1 group</comment>
        <translation>
            <numerusform>%Ln canale in 1 gruppo</numerusform>
            <numerusform>%Ln canali in 1 gruppo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in %1 groups</source>
        <comment>%Ln channel in %1 groups</comment>
        <translation>
            <numerusform>%Ln canale in %1 gruppi</numerusform>
            <numerusform>%Ln canali in %1 gruppi</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to a setting (%2). Restore them?</source>
        <translation>Velmar si è chiuso alle %1 senza salvare le modifiche a un&apos;impostazione (%2). Ripristinarle?</translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to %2 (%3). Restore them?</source>
        <translation>Velmar si è chiuso alle %1 senza salvare le modifiche a %2 (%3). Ripristinarle?</translation>
    </message>
    <message>
        <source>(%1 of %2 windows) %3</source>
        <translation>(%1 di %2 finestre) %3</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to a setting</source>
        <translation>Ripristinate le modifiche non salvate a un&apos;impostazione</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to %1</source>
        <translation>Ripristinate le modifiche non salvate a %1</translation>
    </message>
    <message>
        <source>%1: permission denied. Your user must be in the group that owns the device, &quot;%2&quot; (for example: sudo usermod -aG %2 $USER), and log in again.</source>
        <translation>%1: permesso negato. Il tuo utente deve far parte del gruppo proprietario del dispositivo, «%2» (per esempio: sudo usermod -aG %2 $USER), e accedere di nuovo.</translation>
    </message>
    <message>
        <source>%1: permission denied. Only root may open this device. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %2), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1: permesso negato. Solo root può aprire questo dispositivo. Chiedi all&apos;amministratore una regola udev che lo assegni al gruppo «dialout» (per esempio un file /etc/udev/rules.d/50-velmar.rules con la riga %2), unisciti a quel gruppo (sudo usermod -aG dialout $USER) e accedi di nuovo.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device belongs to the group &quot;%2&quot;, which gives its members much more than this device: do not join it. Ask the administrator for a udev rule that gives it to the group &quot;dialout&quot; (for example a file /etc/udev/rules.d/50-velmar.rules with the line %3), join that group (sudo usermod -aG dialout $USER) and log in again.</source>
        <translation>%1: permesso negato. Il dispositivo appartiene al gruppo «%2», che dà ai suoi membri molto più di questo dispositivo: non unirti a esso. Chiedi all&apos;amministratore una regola udev che lo assegni al gruppo «dialout» (per esempio un file /etc/udev/rules.d/50-velmar.rules con la riga %3), unisciti a quel gruppo (sudo usermod -aG dialout $USER) e accedi di nuovo.</translation>
    </message>
    <message>
        <source>it is open in this program</source>
        <translation>è aperto in questo programma</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>un altro programma lo tiene</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>la porta non è aperta</translation>
    </message>
    <message>
        <source>0 baud is not a speed</source>
        <translation>0 baud non è una velocità</translation>
    </message>
    <message>
        <source>%1 baud is not a speed this system can set</source>
        <translation>%1 baud non è una velocità che questo sistema possa impostare</translation>
    </message>
    <message>
        <source>%1 data bits are not possible (5 to 8 are)</source>
        <translation>%1 bit di dati non sono possibili (da 5 a 8 sì)</translation>
    </message>
    <message>
        <source>one and a half stop bits are not available on this system</source>
        <translation>uno e mezzo bit di stop non sono disponibili su questo sistema</translation>
    </message>
    <message>
        <source>stop-bits code %1 is unknown (0 = one, 2 = two)</source>
        <translation>il codice dei bit di stop %1 è sconosciuto (0 = uno, 2 = due)</translation>
    </message>
    <message>
        <source>parity code %1 is unknown (0 to 4 are)</source>
        <translation>il codice di parità %1 è sconosciuto (sono noti da 0 a 4)</translation>
    </message>
    <message>
        <source>the driver did not keep %1 baud</source>
        <translation>il driver non ha mantenuto %1 baud</translation>
    </message>
    <message>
        <source>the driver did not keep %1 data bits</source>
        <translation>il driver non ha mantenuto %1 bit di dati</translation>
    </message>
    <message>
        <source>the driver did not keep the stop bits</source>
        <translation>il driver non ha mantenuto i bit di stop</translation>
    </message>
    <message>
        <source>the driver did not keep parity code %1</source>
        <translation>il driver non ha mantenuto il codice di parità %1</translation>
    </message>
    <message>
        <source>the driver did not turn flow control off</source>
        <translation>il driver non ha disattivato il controllo di flusso</translation>
    </message>
    <message>
        <source>the driver did not keep raw mode</source>
        <translation>il driver non ha mantenuto la modalità raw</translation>
    </message>
    <message>
        <source>no watch thread could be started</source>
        <translation>non è stato possibile avviare alcun thread di controllo</translation>
    </message>
    <message>
        <source>%1: no such device (%2).</source>
        <translation>%1: dispositivo inesistente (%2).</translation>
    </message>
    <message>
        <source>%1 is busy: %2.</source>
        <translation>%1 è occupato: %2.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it. Close that program and connect again.</source>
        <translation>%1 è occupato: un altro programma lo tiene. Chiudi quel programma e connetti di nuovo.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 non è un dispositivo seriale.</translation>
    </message>
    <message>
        <source>%1: the line settings were refused: %2.</source>
        <translation>%1: le impostazioni della linea sono state rifiutate: %2.</translation>
    </message>
    <message>
        <source>%1 could not be opened: the system is out of resources (%2).</source>
        <translation>Impossibile aprire %1: il sistema ha esaurito le risorse (%2).</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>the whole frame was sent</source>
        <translation>l&apos;intero frame è stato inviato</translation>
    </message>
    <message>
        <source>the line hung up (the cable or adapter was disconnected, or the other side closed)</source>
        <translation>la linea ha riagganciato (il cavo o l&apos;adattatore è stato scollegato, o l&apos;altro lato ha chiuso)</translation>
    </message>
    <message>
        <source>a write did not get its bytes out in time (the line is held up or the device failed)</source>
        <translation>una scrittura non ha fatto uscire i suoi byte in tempo (la linea è bloccata o il dispositivo si è guastato)</translation>
    </message>
    <message>
        <source>the line stalled for %1 ms after byte %2, longer than the radio waits: it may not have taken the frame; send again</source>
        <translation>la linea si è fermata per %1 ms dopo il byte %2, più a lungo di quanto attende la radio: potrebbe non aver preso il frame; invia di nuovo</translation>
    </message>
    <message>
        <source>stopped by Disconnect</source>
        <translation>fermato da Disconnetti</translation>
    </message>
    <message>
        <source>stopped after the whole frame was sent</source>
        <translation>fermato dopo l&apos;invio dell&apos;intero frame</translation>
    </message>
    <message>
        <source>stopped before the frame was complete</source>
        <translation>fermato prima che il frame fosse completo</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>riga di comando</translation>
    </message>
    <message>
        <source>remembered</source>
        <translation>memorizzata</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>scelta</translation>
    </message>
    <message>
        <source>remembered port unreadable</source>
        <translation>porta memorizzata illeggibile</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predefinita</translation>
    </message>
    <message>
        <source>COM1 = no device (%1)</source>
        <translation>COM1 = nessun dispositivo (%1)</translation>
    </message>
    <message>
        <source>COM1 = %1 (%2)</source>
        <translation>COM1 = %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was still marked as held by a program that had ended; the mark was cleared.</source>
        <translation>%1 era ancora segnato come tenuto da un programma terminato; il segno è stato rimosso.</translation>
    </message>
    <message>
        <source>COM1 stands for no device: the port chosen last cannot be read (%1). Give the port with --port DEV, or choose one in the Port menu of Velmar&apos;s window.</source>
        <translation>COM1 non indica alcun dispositivo: l&apos;ultima porta scelta non può essere letta (%1). Indica la porta con --port DEV, oppure scegline una nel menu Porta della finestra di Velmar.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows say</source>
        <comment>%Ln row says</comment>
        <translation>
            <numerusform>%Ln riga dice</numerusform>
            <numerusform>%Ln righe dicono</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: no Location, not taken</source>
        <translation>riga %1: nessuna Location, non accettata</translation>
    </message>
    <message>
        <source>line %1: Location &quot;%2&quot; is not a number, not taken</source>
        <translation>riga %1: la Location «%2» non è un numero, non accettata</translation>
    </message>
    <message>
        <source>line %1: Location %2 is beyond the 64 channels, not taken</source>
        <translation>riga %1: la Location %2 va oltre i 64 canali, non accettata</translation>
    </message>
    <message>
        <source>line %1: no frequency, not taken</source>
        <translation>riga %1: nessuna frequenza, non accettata</translation>
    </message>
    <message>
        <source>line %1: Frequency &quot;%2&quot; is not a number, not taken</source>
        <translation>riga %1: la Frequency «%2» non è un numero, non accettata</translation>
    </message>
    <message>
        <source>line %1: %2 MHz is outside 400 to 500 MHz, not taken</source>
        <translation>riga %1: %2 MHz è fuori da 400–500 MHz, non accettata</translation>
    </message>
    <message>
        <source>line %1: Frequency %2 has a decimal comma that splits it in two, not taken: write it with a point, or in quotes</source>
        <translation>riga %1: la Frequency %2 ha una virgola decimale che la divide in due, non accettata: scrivila con il punto, o tra virgolette</translation>
    </message>
    <message>
        <source>line %1: %2: %3 moved to %4 (6.25 kHz steps)</source>
        <translation>riga %1: %2: %3 spostato a %4 (passi di 6,25 kHz)</translation>
    </message>
    <message>
        <source>line %1: %2 moved to %3 (6.25 kHz steps)</source>
        <translation>riga %1: %2 spostato a %3 (passi di 6,25 kHz)</translation>
    </message>
    <message>
        <source>line %1: %2: given on line %3 too; this later row is taken</source>
        <translation>riga %1: %2: indicato anche alla riga %3; si prende questa riga successiva</translation>
    </message>
    <message>
        <source>line %1: given on line %2 too; this later row is taken</source>
        <translation>riga %1: indicato anche alla riga %2; si prende questa riga successiva</translation>
    </message>
    <message>
        <source>line %1: %2: %3 not kept: this radio has no such setting</source>
        <translation>riga %1: %2: %3 non conservato: questa radio non ha tale impostazione</translation>
    </message>
    <message>
        <source>line %1: %2 not kept: this radio has no such setting</source>
        <translation>riga %1: %2 non conservato: questa radio non ha tale impostazione</translation>
    </message>
    <message>
        <source>line %1: %2: %3 is the frequency of %4 too</source>
        <translation>riga %1: %2: %3 è anche la frequenza di %4</translation>
    </message>
    <message>
        <source>line %1: %2 is the frequency of %3 too</source>
        <translation>riga %1: %2 è anche la frequenza di %3</translation>
    </message>
    <message>
        <source>line %1: %2: the Name &quot;%3&quot; has more than %4 characters: &quot;%5&quot; kept</source>
        <translation>riga %1: %2: il nome «%3» ha più di %4 caratteri: conservato «%5»</translation>
    </message>
    <message>
        <source>line %1: the Name &quot;%2&quot; has more than %3 characters: &quot;%4&quot; kept</source>
        <translation>riga %1: il nome «%2» ha più di %3 caratteri: conservato «%4»</translation>
    </message>
    <message>
        <source>line %1: %2: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>riga %1: %2: il nome contiene un carattere di controllo o non è testo UTF-8, non conservato</translation>
    </message>
    <message>
        <source>line %1: the Name holds a control character or is not UTF-8 text, not kept</source>
        <translation>riga %1: il nome contiene un carattere di controllo o non è testo UTF-8, non conservato</translation>
    </message>
    <message>
        <source>The Locations start at 0: taken in order, Location 0 as Group A CH1</source>
        <translation>Le Location partono da 0: prese in ordine, la Location 0 come Group A CH1</translation>
    </message>
    <message>
        <source>Group %1: %2 NFM (12.5 kHz), %3 FM (25 kHz): %4 taken</source>
        <translation>Group %1: %2 NFM (12,5 kHz), %3 FM (25 kHz): preso %4</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>riga %1: </translation>
    </message>
    <message>
        <source>not a channel list: no header line with the columns Location and Frequency</source>
        <translation>non è un elenco di canali: nessuna riga di intestazione con le colonne Location e Frequency</translation>
    </message>
    <message>
        <source>not a channel list: its columns are separated by semicolons; save it with commas (CSV) and import it again</source>
        <translation>non è un elenco di canali: le sue colonne sono separate da punti e virgola; salvalo con le virgole (CSV) e importalo di nuovo</translation>
    </message>
    <message>
        <source>not a channel list: line %1 has more than 256 columns</source>
        <translation>non è un elenco di canali: la riga %1 ha più di 256 colonne</translation>
    </message>
    <message>
        <source>not a channel list: the quote opened on line %1 is never closed, so the rest of the file would be one field</source>
        <translation>non è un elenco di canali: le virgolette aperte alla riga %1 non si chiudono mai, quindi il resto del file sarebbe un solo campo</translation>
    </message>
    <message>
        <source>not a channel list for this radio: more than %1 rows (it has 64 channels)</source>
        <translation>non è un elenco di canali per questa radio: più di %1 righe (ha 64 canali)</translation>
    </message>
    <message>
        <source>%1 “%2”</source>
        <translation>%1 «%2»</translation>
    </message>
    <message numerus="yes">
        <source>The rows of %1 name %Ln channels.</source>
        <comment>The rows of %1 name %Ln channel.</comment>
        <translation>
            <numerusform>Le righe di %1 nominano %Ln canale.</numerusform>
            <numerusform>Le righe di %1 nominano %Ln canali.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln rows are not taken.</source>
        <comment>%Ln row is not taken.</comment>
        <translation>
            <numerusform>%Ln riga non viene accettata.</numerusform>
            <numerusform>%Ln righe non vengono accettate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merge into the file&apos;s Locations: %Ln channels change; the channels the rows do not name stay as they are.</source>
        <comment>Merge into the file&apos;s Locations: %Ln channel changes; the channels the rows do not name stay as they are.</comment>
        <translation>
            <numerusform>Unisci nelle posizioni del file: cambia %Ln canale; i canali che le righe non nominano restano come sono.</numerusform>
            <numerusform>Unisci nelle posizioni del file: cambiano %Ln canali; i canali che le righe non nominano restano come sono.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace all channels: %Ln channels change; the channels the rows do not name are emptied.</source>
        <comment>Replace all channels: %Ln channel changes; the channels the rows do not name are emptied.</comment>
        <translation>
            <numerusform>Sostituisci tutti i canali: cambia %Ln canale; i canali che le righe non nominano vengono svuotati.</numerusform>
            <numerusform>Sostituisci tutti i canali: cambiano %Ln canali; i canali che le righe non nominano vengono svuotati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channels the rows change:</source>
        <translation>Canali che le righe cambiano:</translation>
    </message>
    <message>
        <source>Replace all channels also changes:</source>
        <translation>Sostituisci tutti i canali cambia inoltre:</translation>
    </message>
    <message>
        <source>Rows not taken, and what the entry made of others:</source>
        <translation>Righe non accettate, e che cosa l&apos;inserimento ha fatto delle altre:</translation>
    </message>
    <message numerus="yes">
        <source>Merged %1 into its Locations: %Ln channels changed.</source>
        <comment>Merged %1 into its Locations: %Ln channel changed.</comment>
        <translation>
            <numerusform>%1 unito nelle sue posizioni: %Ln canale cambiato.</numerusform>
            <numerusform>%1 unito nelle sue posizioni: %Ln canali cambiati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replaced all channels with %1: %Ln channels changed.</source>
        <comment>Replaced all channels with %1: %Ln channel changed.</comment>
        <translation>
            <numerusform>Tutti i canali sostituiti con %1: %Ln canale cambiato.</numerusform>
            <numerusform>Tutti i canali sostituiti con %1: %Ln canali cambiati.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 received bytes were dropped: the receive queue held %2 of %3 bytes.</source>
        <translation>%1 byte ricevuti sono stati scartati: la coda di ricezione conteneva %2 di %3 byte.</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno tra %1</translation>
    </message>
    <message>
        <source>%1 (a Velmar setting file)</source>
        <translation>%1 (un file di impostazione Velmar)</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1</source>
        <translation>un numero intero da 1 a %1</translation>
    </message>
    <message>
        <source>text of up to %1 characters, line breaks and tabs its only control characters</source>
        <translation>testo di al massimo %1 caratteri, con a capo e tabulazioni come unici caratteri di controllo</translation>
    </message>
    <message>
        <source>text of up to %1 characters without control characters</source>
        <translation>testo di al massimo %1 caratteri senza caratteri di controllo</translation>
    </message>
    <message>
        <source>a list of exactly eight groups, &quot;A&quot; to &quot;H&quot; in order</source>
        <translation>un elenco di esattamente otto gruppi, da &quot;A&quot; a &quot;H&quot; in ordine</translation>
    </message>
    <message>
        <source>an object with &quot;group&quot;, &quot;spacing&quot; and &quot;channels&quot;</source>
        <translation>un oggetto con &quot;group&quot;, &quot;spacing&quot; e &quot;channels&quot;</translation>
    </message>
    <message>
        <source>%1 (the groups run &quot;A&quot; to &quot;H&quot; in order)</source>
        <translation>%1 (i gruppi vanno da &quot;A&quot; a &quot;H&quot; in ordine)</translation>
    </message>
    <message>
        <source>a list of exactly eight channels, CH1 to CH8</source>
        <translation>un elenco di esattamente otto canali, da CH1 a CH8</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none</source>
        <translation>una frequenza di nove caratteri da 400.00000 a 500.00000 MHz sulla griglia di 6,25 kHz, come 446.00625, o &quot;&quot; per nessuna</translation>
    </message>
    <message>
        <source>a frequency of nine characters from 400.00000 to 500.00000 MHz on the 6.25 kHz grid, such as 446.00625, or &quot;&quot; for none (the grid point below is %1)</source>
        <translation>una frequenza di nove caratteri da 400.00000 a 500.00000 MHz sulla griglia di 6,25 kHz, come 446.00625, o &quot;&quot; per nessuna (il punto di griglia inferiore è %1)</translation>
    </message>
    <message>
        <source>a list of exactly eight names, CH1 to CH8, &quot;&quot; for none</source>
        <translation>un elenco di esattamente otto nomi, da CH1 a CH8, &quot;&quot; per nessuno</translation>
    </message>
    <message>
        <source>an object with the 13 options, &quot;Scan Delay Time&quot; to &quot;Band Select&quot;</source>
        <translation>un oggetto con le 13 opzioni, da &quot;Scan Delay Time&quot; a &quot;Band Select&quot;</translation>
    </message>
    <message>
        <source>a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>un oggetto JSON con &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>the whole file</source>
        <translation>l&apos;intero file</translation>
    </message>
    <message>
        <source>%1: missing, must be %2</source>
        <translation>%1: manca, deve essere %2</translation>
    </message>
    <message>
        <source>%1: is %2, must be %3</source>
        <translation>%1: è %2, deve essere %3</translation>
    </message>
    <message>
        <source>%1: has %2 groups, must be %3</source>
        <translation>%1: ha %2 gruppi, deve essere %3</translation>
    </message>
    <message>
        <source>%1: has %2 channels, must be %3</source>
        <translation>%1: ha %2 canali, deve essere %3</translation>
    </message>
    <message>
        <source>%1: has %2 characters, must be %3</source>
        <translation>%1: ha %2 caratteri, deve essere %3</translation>
    </message>
    <message>
        <source>%1: holds a control character, must be %2</source>
        <translation>%1: contiene un carattere di controllo, deve essere %2</translation>
    </message>
    <message>
        <source>%1: is %2: made by a newer Velmar; this one reads versions up to %3</source>
        <translation>%1: è %2: creato da un Velmar più recente; questo legge le versioni fino alla %3</translation>
    </message>
    <message>
        <source>not JSON: nested deeper than %1 levels at byte %2; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>non è JSON: annidato oltre %1 livelli al byte %2; un file di impostazione è un oggetto JSON con &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: a NUL character at byte %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>non è JSON: un carattere NUL al byte %1; un file di impostazione è un oggetto JSON con &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>not JSON: %1; a setting file is a JSON object with &quot;format&quot;: &quot;velmar-setting&quot;</source>
        <translation>non è JSON: %1; un file di impostazione è un oggetto JSON con &quot;format&quot;: &quot;velmar-setting&quot;</translation>
    </message>
    <message>
        <source>%1: has the key %2 twice; each key may appear once</source>
        <translation>%1: ha la chiave %2 due volte; ogni chiave può comparire una volta</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>più grande di %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>too many levels of symbolic links</source>
        <translation>troppi livelli di collegamenti simbolici</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>cannot create a temporary file in %1: %2</source>
        <translation>impossibile creare un file temporaneo in %1: %2</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; is not one device</source>
        <translation>il valore di &quot;%1&quot; non è un unico dispositivo</translation>
    </message>
    <message>
        <source>it is %1, the setting file it is made from</source>
        <translation>è %1, il file di impostazione da cui è ricavata</translation>
    </message>
    <message>
        <source>cannot keep the sent setting in %1: %2</source>
        <translation>impossibile conservare l&apos;impostazione inviata in %1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1: impossibile leggere: %2</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1: impossibile scrivere: %2</translation>
    </message>
    <message>
        <source>The channel card cannot be printed: %1</source>
        <translation>La scheda canali non può essere stampata: %1</translation>
    </message>
    <message>
        <source>The serial ports present cannot be listed: %1</source>
        <translation>Le porte seriali presenti non possono essere elencate: %1</translation>
    </message>
    <message>
        <source>%1 needs the PDF file to write</source>
        <translation>%1 richiede il file PDF da scrivere</translation>
    </message>
    <message>
        <source>%1 needs a device</source>
        <translation>%1 richiede un dispositivo</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>opzione sconosciuta: %1</translation>
    </message>
    <message>
        <source>no setting file given</source>
        <translation>nessun file di impostazione indicato</translation>
    </message>
    <message>
        <source>one setting file only, not %1</source>
        <translation>un solo file di impostazione, non %1</translation>
    </message>
    <message>
        <source>--card needs a FILE.velmar to make the card of</source>
        <translation>--card richiede un FILE.velmar di cui fare la scheda</translation>
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
        <translation>Uso: velmar [OPZIONE]... [FILE.velmar]
Programma i canali e le opzioni di una radio portatile UHF PMR/LPD.

Velmar mostra una finestra di impostazione: otto gruppi di otto frequenze
(da 400 a 500 MHz a passi di 6,25 kHz), una spaziatura dei canali per gruppo e
le opzioni della radio. «Connect» apre il cavo di programmazione della radio,
COM1, a 4800 baud, 8 bit di dati, senza parità e con due bit di stop; «Send»
scrive l&apos;intera impostazione nella radio come una trama di programmazione di
258 byte in 141 scritture cadenzate. Le impostazioni sono conservate in file
di impostazione (FILE.velmar), e ogni invio completo è conservato nella
cronologia delle impostazioni inviate.

Opzioni:
  FILE.velmar          apri questo file di impostazione all&apos;avvio
      --port DEV       usa il dispositivo seriale DEV come COM1 per questa
                       esecuzione (un cavo USB come /dev/ttyUSB0, o uno
                       pseudo-terminale)
      --card OUT.pdf   scrivi la scheda canali di FILE.velmar in OUT.pdf ed
                       esci, senza finestra: 0 se è scritta, 2 se il file è
                       rifiutato, 1 se la scheda non può essere scritta
  -h, --help           mostra questo aiuto ed esci
      --version        mostra la versione ed esci

COM1 è il primo di: --port DEV, VELMAR_COM1 dell&apos;ambiente, la porta scelta
l&apos;ultima volta nel menu Porta della finestra, /dev/ttyS0. La riga di stato
dice quale vale e perché.

Ambiente:
  VELMAR_COM1      il dispositivo seriale che COM1 indica, per esempio
                   /dev/ttyUSB0 per un cavo di programmazione USB

File:
  ~/.config/velmar/%1    ciò che la finestra ricorda: la porta scelta,
                                 i file recenti ($XDG_CONFIG_HOME/velmar
                                 se è impostata)
  ~/.local/share/velmar/sent/    le impostazioni degli ultimi 500 invii
                                 completi ($XDG_DATA_HOME/velmar/sent
                                 se è impostata)

Esempi:
  velmar club.velmar                    apri un&apos;impostazione e inviala dalla
                                        finestra
  velmar --port /dev/ttyUSB0            usa un cavo di programmazione USB come
                                        COM1
</translation>
    </message>
</context>
</TS>
