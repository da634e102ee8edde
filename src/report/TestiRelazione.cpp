#include "report/TestiRelazione.h"

namespace relazione {

QString testo(Testo t)
{
    switch (t) {
    case Testo::OggettoDellaStima:
        return QStringLiteral(
            "L'area edificabile oggetto della presente stima, indicata nel frontespizio della "
            "relazione, è stata valutata con l'ausilio di un elaboratore elettronico al solo "
            "fine di determinarne il più probabile valore venale, ossia il valore di mercato, "
            "inteso come quello che più si avvicina al prezzo realizzabile in una libera "
            "contrattazione di compravendita e che meglio risponde allo scopo della stima. Sono "
            "stati pertanto esclusi dalla valutazione gli altri valori che il bene potrebbe "
            "assumere in relazione a scopi diversi o a particolari soggetti, quali i seguenti:");
    case Testo::ValoriComplementari:
        return QStringLiteral(
            "(cioè la possibilità di incremento di valore che l'area potrebbe acquisire se "
            "venisse unita ad altri lotti confinanti o vicini). Tale incremento non è stato "
            "considerato nella stima, a meno che non sia generalmente prevedibile da qualunque "
            "operatore del mercato e possa quindi ritenersi una caratteristica propria dell'area "
            "stessa;");
    case Testo::ValoriAffettivi:
        return QStringLiteral(
            "(cioè i significati simbolici e sentimentali che il bene può assumere per il "
            "proprietario o per altri soggetti in ragione di ricordi o di tradizioni familiari). "
            "Tali valori sono stati esclusi dalla stima in quanto soggettivi e non determinabili "
            "con certezza e in egual modo per tutti.");
    case Testo::SuperficieEdificabile:
        return QStringLiteral(
            "Poichè si tratta, invece, di una superficie edificabile, la stima ne riguarda la "
            "capacità edificatoria, cioè l'attitudine ad accogliere un fabbricato, il cui valore "
            "rappresenta la componente di maggior peso nella formazione del valore dell'area.");
    case Testo::Ordinarieta:
        return QStringLiteral(
            "Si è tenuto conto di quelle circostanze più frequentemente riscontrabili nel "
            "mercato immobiliare locale, secondo il principio dell'ordinarietà. In base a tale "
            "principio la stima si riferisce al comportamento normale di un qualsiasi compratore "
            "e di un qualsiasi venditore, dotati di ordinaria capacità e diligenza, che operano "
            "con una normale conoscenza del mercato. Sono stati pertanto esclusi i casi estremi, "
            "sia in senso favorevole sia in senso sfavorevole, nonché le situazioni eccezionali "
            "o di carattere speculativo.");
    case Testo::ParereDiConvenienza:
        return QStringLiteral(
            "Non si è espresso un parere di convenienza economica, proprio delle valutazioni di "
            "carattere soggettivo, ma si è giunti a una stima di validità generale. Le "
            "previsioni contenute nella valutazione sono state formulate tenendo conto degli usi "
            "e delle consuetudini locali e dell'ordinaria appetibilità dell'area, e non di "
            "eventi straordinari.");
    case Testo::CriterioDiretto:
        return QStringLiteral(
            "Esso ottiene un risultato immediato (diretto) laddove moltiplica il prezzo di "
            "mercato di un metro quadrato di fabbricato, corretto con i coefficienti relativi "
            "alle caratteristiche intrinseche ed estrinseche, per la superficie ragguagliata "
            "(ponderata) dell'immobile che può essere realizzato sull'area. Risulta invece "
            "indiretto laddove procede all'analisi di fabbricati analoghi per tipologia e "
            "ubicazione, dei costi necessari alla costruzione e dei tempi occorrenti perché il "
            "fabbricato possa produrre un reddito. In tal modo il valore dell'area non viene "
            "ricavato dal confronto con i prezzi di aree simili, spesso poco numerosi, non "
            "sempre attendibili e difficilmente comparabili, ma discende da una formula precisa, "
            "nella quale ciascun elemento è determinato in modo analitico e può essere "
            "verificato singolarmente.");
    case Testo::CinqueSerie:
        return QStringLiteral(
            "Nella valutazione sono state considerate le cinque serie di caratteristiche comuni "
            "a ogni fabbricato destinato ad abitazione, che rappresentano i requisiti principali "
            "su cui si fonda la formazione del prezzo in un libero mercato immobiliare. Tali "
            "caratteristiche, infatti, sono quelle che ogni acquirente ordinario esamina e "
            "confronta con attenzione prima di decidere l'acquisto di un immobile.");
    case Testo::OrdineDImportanza:
        return QStringLiteral(
            "Vengono descritti in ordine d'importanza, secondo il peso che il mercato "
            "immobiliare attribuisce ordinariamente a ciascun requisito nella formazione del "
            "prezzo. Per ciascuno di essi è stato stabilito un coefficiente che esprime il "
            "confronto tra l'area in esame, con il fabbricato che vi si può realizzare, e l'area "
            "migliore della stessa zona; tali coefficienti correggono proporzionalmente il "
            "prezzo unitario di mercato riferito al metro quadrato.");
    case Testo::PosizioneDefinizione:
        return QStringLiteral(
            "E' la posizione dell'area, e quindi dell'immobile che vi sarà realizzato, rispetto "
            "al centro dell'abitato, considerata in termini di distanza e di facilità di "
            "collegamento con il nucleo urbano principale, dove si concentrano le attività e i "
            "servizi.");
    case Testo::PosizioneMigliore:
        return QStringLiteral(
            "La migliore condizione digitabile nei dati corrisponde, con il coefficiente 1, a "
            "una posizione ideale, vicina e ben collegata a ogni genere di servizio: uffici "
            "pubblici, scuole, negozi, mercati, banche, presidi sanitari, luoghi di culto, "
            "attrezzature sportive e ricreative, mezzi di trasporto pubblico. In tale condizione "
            "l'immobile offre la massima comodità d'uso ai suoi occupanti.");
    case Testo::PosizionePeggiore:
        return QStringLiteral(
            "La peggiore condizione, invece, si verifica quando, come accade nelle zone di "
            "estrema periferia prive di collegamenti efficienti con il centro, i servizi sono "
            "assenti o difficilmente raggiungibili; a tale situazione corrisponde il "
            "coefficiente zero.");
    case Testo::IgienicaAmbiente:
        return QStringLiteral(
            "Riguarda il rapporto diretto tra l'immobile e l'ambiente circostante. Si "
            "considerano in questa serie la veduta e il panorama di cui gode il fabbricato, "
            "l'aerazione e la ventilazione naturale degli ambienti, il soleggiamento e "
            "l'esposizione delle facciate, nonché la salubrità generale del quartiere in cui è "
            "situato.");
    case Testo::IgienicaDensita:
        return QStringLiteral(
            "Si possono computare qui, come caratteristiche da riguardare nel loro complesso, la "
            "densità edilizia della zona, l'affollamento degli abitanti e delle attività, "
            "l'altezza dei fabbricati circostanti, l'ampiezza dello spazio libero antistante "
            "l'immobile, nonché le prescrizioni delle norme edilizie e urbanistiche che regolano "
            "l'edificazione nella zona.");
    case Testo::StaticaCondizioni:
        return QStringLiteral(
            "In questo requisito vengono considerate le condizioni statiche dell'immobile. Le "
            "caratteristiche strutturali del fabbricato realizzabile, desunte dai dati del lotto "
            "edificabile, sono le seguenti:");
    case Testo::TecnologiciServizi:
        return QStringLiteral(
            "Sotto questa voce si considerano l'insieme dei servizi particolari di cui il "
            "fabbricato è dotato: gli impianti igienico-sanitari, l'impianto idrico e quello di "
            "scarico delle acque reflue, l'impianto elettrico, l'impianto di riscaldamento, le "
            "canne fumarie e di esalazione, le antenne televisive, l'impianto telefonico, "
            "l'ascensore e ogni altro impianto che ne accresca la funzionalità.");
    case Testo::TecnologiciFiniture:
        return QStringLiteral(
            "Inoltre si valutano nel requisito tecnologico tutte le finiture interne ed esterne "
            "dell'immobile, quali gli infissi e i serramenti, i pavimenti e i rivestimenti, gli "
            "intonaci e le tinteggiature delle pareti.");
    case Testo::TecnologiciStato:
        return QStringLiteral(
            "Oltre alla presenza di quanto esemplificato è importante considerarne lo stato di "
            "conservazione e di manutenzione, nonché l'utilità che potrà offrire nel tempo agli "
            "occupanti dell'immobile.");
    case Testo::DistribuzioneSpazio:
        return QStringLiteral(
            "La possibilità di fruire liberamente lo spazio interno dell'immobile, secondo le "
            "proprie esigenze abitative, costituisce uno dei requisiti più importanti nella "
            "valutazione di un fabbricato. Tale requisito deve essere giudicato da un tecnico, "
            "in grado di valutare la funzionalità della distribuzione degli ambienti.");
    case Testo::DistribuzioneNormali:
        return QStringLiteral(
            "Ugualmente si è tenuto conto che si tratti di 'normali' edifici, escludendo "
            "pertanto dalla valutazione i fabbricati di particolare pregio architettonico o di "
            "interesse storico e artistico, il cui valore segue criteri di stima diversi.");
    case Testo::DistribuzioneCoefficiente:
        return QStringLiteral(
            "Il coefficiente 1, nel nostro caso, vuole solamente indicare una distribuzione "
            "interna priva di gravi difetti, quali ad esempio: ambienti di passaggio obbligato, "
            "corridoi eccessivamente lunghi, vani ciechi o scarsamente illuminati, servizi "
            "igienici mal collocati o insufficienti, locali di forma irregolare o di dimensioni "
            "inadeguate, errato orientamento degli ambienti, isolamento acustico e termico "
            "carente, infiltrazioni d'umidità dovute a errori di esecuzione.");
    case Testo::DistribuzioneQualita:
        return QStringLiteral(
            "La qualità dell'immobile diminuisce gradualmente con il presentarsi di ciascuno di "
            "tali difetti. Nella stima si è tenuto conto, inoltre, del livello della manodopera "
            "locale, della qualità della produzione edilizia, della capacità professionale dei "
            "progettisti e dei costruttori e della cultura edilizia della zona.");
    case Testo::Coefficienti:
        return QStringLiteral(
            "I coefficienti riportati nella seguente tabella costituiscono la valutazione del "
            "fabbricato realizzabile sull'area rispetto a un fabbricato ideale, le cui "
            "caratteristiche assumono tutte il valore massimo. Un coefficiente pari a 0,8, ad "
            "esempio, indica che per quella caratteristica l'immobile ha un valore inferiore del "
            "20% rispetto al fabbricato cui è attribuito il prezzo unitario di mercato. Il "
            "valore del fabbricato si ottiene quindi moltiplicando la media dei coefficienti per "
            "la superficie ragguagliata dell'immobile e per il prezzo unitario al metro "
            "quadrato, desunto dall'indagine sul mercato immobiliare locale.");
    case Testo::Comparazione:
        return QStringLiteral(
            "Anche questo programma automatico usa, come ogni buon metodo estimativo, il "
            "procedimento della comparazione. Il confronto avviene con un fabbricato ideale, nel "
            "quale ogni requisito raggiunge il suo valore più alto, espresso dal coefficiente 1. "
            "Il grado di qualità raggiunto dall'immobile in esame discende dal coefficiente "
            "attribuito a ciascun requisito su una scala che va da 1 a zero, nella quale i "
            "valori intermedi esprimono condizioni via via meno favorevoli rispetto a quella "
            "ottimale.");
    case Testo::DatoStorico:
        return QStringLiteral(
            "Il dato storico riferito al prezzo di mercato di un metro quadrato di un fabbricato "
            "nuovo, situato in posizione centrale nella zona, è quello rilevato di recente. Tale "
            "prezzo è corretto con i coefficienti che esprimono le differenze misurabili "
            "rispetto all'immobile da stimare.");
    case Testo::Ragguagli:
        return QStringLiteral(
            "Si è tenuto conto, nel calcolo, dei ragguagli relativi alle diverse condizioni "
            "degli spazi utilizzabili, in modo da attribuire il giusto valore agli ambienti e "
            "alle superfici, coperte e scoperte, considerando anche il carattere accessorio di "
            "alcune di esse, quali autorimesse, cantine, ripostigli, soffitte, terrazze, "
            "balconi, porticati e cortili.");
    case Testo::PercentualiRagguaglio:
        return QStringLiteral(
            "Per tali ragioni le superfici sono state considerate, con gli opportuni adattamenti "
            "al caso in esame, secondo le percentuali dei principali ragguagli riportate di "
            "seguito:");
    case Testo::AmbientiRilevati:
        return QStringLiteral(
            "Gli ambienti rilevati sono desunti dalla stima delle superfici realizzabili sul "
            "lotto in esame. Tale stima tiene conto dell'estensione del lotto in metri quadrati, "
            "degli indici e delle prescrizioni dello strumento urbanistico comunale vigente per "
            "la zona e delle norme nazionali in materia di distanze tra i fabbricati. ");
    case Testo::CostiDiRealizzazione:
        return QStringLiteral(
            "L'analisi dei costi di realizzazione del fabbricato è stata condotta prendendo in "
            "esame tutte le componenti che concorrono a formarli. Alcuni costi sono stati "
            "desunti direttamente dalla realtà, sulla base dei dati effettivi del caso in esame; "
            "altri sono stati determinati per comparazione con fabbricati simili, realizzati "
            "nella stessa zona e nel medesimo periodo. La fase di costruzione è stata analizzata "
            "per singole opere, indicandone i costi sia in valore assoluto sia in percentuale "
            "sul costo complessivo, nella tabella che segue.");
    case Testo::TempiPerLaRedditivita:
        return QStringLiteral(
            "L'analisi dei tempi per avere una redditività dal fabbricato è stata condotta "
            "valutando in giorni ciascun periodo compreso tra la data della stima e il momento "
            "in cui il fabbricato risulta abitabile (progettazione, rilascio dei permessi, "
            "costruzione), riportando poi la durata complessiva in anni. I singoli periodi sono "
            "stati valutati per comparazione con fabbricati simili, realizzati nella stessa zona "
            "e nel medesimo periodo; la durata normale di ciascuna fase è stata desunta anche "
            "dall'esperienza tecnica maturata in casi precedenti. La fase di costruzione è stata "
            "analizzata per singole opere, indicandone i tempi sia in valore assoluto sia in "
            "percentuale sul totale, nella tabella che segue.");
    case Testo::SaggioDiRendimento:
        return QStringLiteral(
            "Il saggio di rendimento dei capitali industriali è il valore necessario per "
            "riportare all'attualità gli importi della formula, poiché la stima dell'area e il "
            "valore del fabbricato, con i relativi costi di realizzazione, si collocano in "
            "momenti distanti tra loro un certo numero di anni. La tabella seguente riporta le "
            "variazioni nella stima incrementando dello ");
    case Testo::DatiUrbanistici:
        return QStringLiteral(
            "I dati tecnici e urbanistici relativi all'area fabbricabile sono stati desunti dai "
            "documenti di proprietà, dalla documentazione catastale e dal piano regolatore "
            "comunale. Da essi si ricavano il volume massimo realizzabile, la superficie lorda "
            "e, indirettamente, la superficie ragguagliata, quale stima dei tipi di ambienti "
            "realizzabili.");
    case Testo::DescrizioneZona:
        return QStringLiteral(
            "La descrizione della zona, utile riferimento per i coefficienti di valutazione del "
            "fabbricato da realizzare sul lotto, è stata redatta a seguito di un sopralluogo "
            "nelle immediate vicinanze dell'area, rilevando la situazione attuale e quella "
            "prevedibile nel prossimo futuro. I dati sono riportati nella seguente tabella:");
    case Testo::CalcoloEstimativo:
        return QStringLiteral(
            "La formula di calcolo adottata è di facile comprensione. Si parte dal valore "
            "storico di mercato di un fabbricato ottimizzato, riferito al metro quadrato; tale "
            "valore viene moltiplicato per la superficie lorda ragguagliata dell'immobile e per "
            "i coefficienti delle sue caratteristiche, ottenendo il valore complessivo del "
            "fabbricato espresso in euro. Da questo si sottraggono tutti i costi di costruzione "
            "e il risultato viene diviso per il saggio di rendimento dei capitali industriali, "
            "aumentato dell'unità ed elevato al numero degli anni che intercorrono tra la data "
            "della stima e l'inizio della redditività del fabbricato. La formula di calcolo è la "
            "seguente:");
    }
    return QString();
}

} // namespace relazione
