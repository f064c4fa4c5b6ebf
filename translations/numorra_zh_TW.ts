<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>ApplicationShell</name>
    <message>
        <source>Application is already running</source>
        <translation>程式已在執行中</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>The file is read-only.</source>
        <translation>此檔案為唯讀。</translation>
    </message>
    <message>
        <source>The data could not be stored on disk.</source>
        <translation>資料無法儲存到磁碟。</translation>
    </message>
</context>
<context>
    <name>CalculationSteps</name>
    <message>
        <source>the calculation step %1 failed</source>
        <translation>計算步驟 %1 失敗</translation>
    </message>
</context>
<context>
    <name>CheckedOutput</name>
    <message>
        <source>The data could not be written.</source>
        <translation>資料無法寫入。</translation>
    </message>
</context>
<context>
    <name>ClientList</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>無法讀取：%1</translation>
    </message>
    <message>
        <source>not a client list: its header names no Name column, or no Date of Birth column (or Day, Month and Year)</source>
        <translation>不是客戶名單：其標題列沒有「姓名」欄，或沒有「出生日期」欄（或「日」、「月」、「年」三欄）</translation>
    </message>
    <message>
        <source>the name must be one line: it holds a line break</source>
        <translation>姓名限單行：其中含有換行字元</translation>
    </message>
    <message>
        <source>the date of birth must be YYYY-MM-DD or %1, from 1900 to 2050, not &quot;%2&quot;</source>
        <translation>出生日期必須是 YYYY-MM-DD 或 %1 格式，介於 1900 年至 2050 年之間，而不是「%2」</translation>
    </message>
    <message>
        <source>the day of birth must be 1 to 31, not &quot;%1&quot;</source>
        <translation>出生日必須是 1 至 31，而不是「%1」</translation>
    </message>
    <message>
        <source>the month of birth must be its English name or 1 to 12, not &quot;%1&quot;</source>
        <translation>出生月份必須是英文月份名稱或 1 至 12，而不是「%1」</translation>
    </message>
    <message>
        <source>the year of birth must be 1900 to 2050, not &quot;%1&quot;</source>
        <translation>出生年份必須是 1900 至 2050，而不是「%1」</translation>
    </message>
    <message>
        <source>not a client list: it holds bytes that are not UTF-8 text (a spreadsheet saves it as &quot;CSV UTF-8&quot;)</source>
        <translation>不是客戶名單：其中含有不屬於 UTF-8 文字的位元組（試算表可將其另存為「CSV UTF-8」）</translation>
    </message>
    <message>
        <source>not a client list: a row is longer than %1 bytes</source>
        <translation>不是客戶名單：有一列超過 %1 位元組</translation>
    </message>
    <message>
        <source>not a client list: a row has more than %1 columns</source>
        <translation>不是客戶名單：有一列超過 %1 欄</translation>
    </message>
    <message>
        <source>not a client list: a quote opened in this row is never closed</source>
        <translation>不是客戶名單：此列中有未閉合的引號</translation>
    </message>
    <message>
        <source>the list holds no client</source>
        <translation>名單中沒有任何客戶</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Gives a person&apos;s reading by Chinese numerology, in a window. When Numorra is
already running, the file named goes to the running program, which comes
forward and opens it, and this start ends; without a file, this start says
&quot;Application is already running&quot; and ends.</source>
        <translation>在視窗中依中國數字命理為一個人推算解讀。若 Numorra 已在執行，
指定的檔案會交給正在執行的程式，由它移到前景並開啟，本次啟動隨即結束；
未指定檔案時，本次啟動會提示「程式已在執行中」並結束。</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>顯示本說明。</translation>
    </message>
    <message>
        <source>Print the version, with the package&apos;s name.</source>
        <translation>顯示版本及套件名稱。</translation>
    </message>
    <message>
        <source>A saved reading, opened as &quot;Open Previously Saved Reading&quot; opens it.</source>
        <translation>已儲存的解讀，像「開啟先前儲存的解讀」那樣開啟。</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -display and -style, are taken as Qt
takes them.</source>
        <translation>Qt 本身的選項（如 -platform、-display 和 -style）依 Qt 的方式處理。</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>結束狀態：</translation>
    </message>
    <message>
        <source>the program ended, or handed its file to the running program</source>
        <translation>程式已結束，或已將檔案交給正在執行的程式</translation>
    </message>
    <message>
        <source>no display to open a window on, or this answer could not be written</source>
        <translation>找不到可開啟視窗的顯示器，或無法輸出說明或版本資訊</translation>
    </message>
    <message>
        <source>a usage error</source>
        <translation>用法錯誤</translation>
    </message>
    <message>
        <source>the answer could not be written: %1</source>
        <translation>無法輸出說明或版本資訊：%1</translation>
    </message>
    <message>
        <source>no display to open a window on was found (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>找不到可開啟視窗的顯示器（DISPLAY 和 WAYLAND_DISPLAY 皆未設定）</translation>
    </message>
</context>
<context>
    <name>ElementDescriptions</name>
    <message>
        <source>Water Element symbolizes a still, calm and a reflective personality. Like a lake, you are quiet on the surface yet full of hidden depth. You are intuitive and wise, and you adapt easily to change, though you must take care not to drift with every passing tide.</source>
        <translation>五行之水，象徵沉靜、安寧而善於內省的個性。您就像湖泊，表面平靜，內心卻深邃而豐富。您直覺敏銳、富有智慧，能輕鬆適應變化，但須留意別隨波逐流。</translation>
    </message>
    <message>
        <source>Compatible elements: Wood and Metal.</source>
        <translation>相生五行：木與金。</translation>
    </message>
    <message>
        <source>Challenging elements: Fire and Earth.</source>
        <translation>相剋五行：火與土。</translation>
    </message>
    <message>
        <source>Earth Element symbolizes a steady, reliable and a receptive personality. Like fertile soil, you nourish those around you, and others find comfort in your patience and common sense. You are loyal and practical, though at times you may resist change and hold on too tightly to the familiar.</source>
        <translation>五行之土，象徵穩重、可靠而包容的個性。您就像肥沃的土壤，滋養身邊的人，旁人也能從您的耐心與通情達理中得到慰藉。您忠誠務實，但有時可能抗拒改變，過於執著於熟悉的事物。</translation>
    </message>
    <message>
        <source>Compatible elements: Fire and Metal.</source>
        <translation>相生五行：火與金。</translation>
    </message>
    <message>
        <source>Challenging elements: Water and Wood.</source>
        <translation>相剋五行：水與木。</translation>
    </message>
    <message>
        <source>Wood Element symbolizes an energetic, vibrant and an uplifting personality. Like a young tree reaching for the light, you are always growing. You are generous, creative and idealistic, but you may sometimes take on more than you can manage.</source>
        <translation>五行之木，象徵充滿活力、朝氣蓬勃而能鼓舞人心的個性。您就像迎向陽光的小樹，不斷成長。您慷慨、富有創意且懷抱理想，但有時可能攬下超出自己能力的事。</translation>
    </message>
    <message>
        <source>Compatible elements: Water and Fire.</source>
        <translation>相生五行：水與火。</translation>
    </message>
    <message>
        <source>Challenging elements: Earth and Metal.</source>
        <translation>相剋五行：土與金。</translation>
    </message>
    <message>
        <source>Metal Element symbolizes strong, unyielding and a focused personality. You are loyal, disciplined, principled and decisive, with a keen sense of justice, though at times you may seem rigid or cold.</source>
        <translation>五行之金，象徵堅強、不屈而專注的個性。您忠誠、自律、有原則且行事果斷，具有強烈的正義感，但有時可能顯得死板或冷漠。</translation>
    </message>
    <message>
        <source>Compatible elements: Earth and Water.</source>
        <translation>相生五行：土與水。</translation>
    </message>
    <message>
        <source>Challenging elements: Fire and Wood.</source>
        <translation>相剋五行：火與木。</translation>
    </message>
    <message>
        <source>Fire Element symbolizes a dynamic, vibrant and unpredictable personality. You are passionate, warm and inspiring, yet your flame might burn too brightly and fade too soon.</source>
        <translation>五行之火，象徵充滿動感、活力四射而常出人意表的個性。您熱情、溫暖，富有感染力，但您的火焰可能燒得太旺，也熄滅得太快。</translation>
    </message>
    <message>
        <source>Compatible elements: Wood and Earth.</source>
        <translation>相生五行：木與土。</translation>
    </message>
    <message>
        <source>Challenging elements: Metal and Water.</source>
        <translation>相剋五行：金與水。</translation>
    </message>
</context>
<context>
    <name>ElementPane</name>
    <message>
        <source>Nine Star Ki Astrology corresponds with five elements namely, Fire, Earth, Metal, Water and Wood.</source>
        <translation>九星氣學與五行相對應，即火、土、金、水、木。</translation>
    </message>
    <message>
        <source>Your Trigram is: </source>
        <translation>您的卦象：</translation>
    </message>
    <message>
        <source>Your Element is: </source>
        <translation>您的五行：</translation>
    </message>
    <message>
        <source>Your are a</source>
        <translation>您是</translation>
    </message>
    <message>
        <source>Group Person</source>
        <translation>之人</translation>
    </message>
    <message>
        <source>%1 element picture</source>
        <translation>五行圖片：%1</translation>
    </message>
    <message>
        <source>%1 trigram picture</source>
        <translation>卦象圖片：%1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1
This file is read-only. Choose another file.</source>
        <translation>%1
此檔案為唯讀。請選擇其他檔案。</translation>
    </message>
    <message>
        <source>%1
The folder does not exist. Check the path and try again.</source>
        <translation>%1
此資料夾不存在。請檢查路徑後再試一次。</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>線上說明(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>造訪我們的網站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>檢查軟體更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>關於本軟體(&amp;A)</translation>
    </message>
</context>
<context>
    <name>LoShuChartPane</name>
    <message>
        <source>South East</source>
        <translation>東南</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南</translation>
    </message>
    <message>
        <source>South West</source>
        <translation>西南</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>North West</source>
        <translation>西北</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北</translation>
    </message>
    <message>
        <source>North East</source>
        <translation>東北</translation>
    </message>
    <message>
        <source>East</source>
        <translation>東</translation>
    </message>
    <message>
        <source>Numerology reading</source>
        <translation>數字命理解讀</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>數字 %1</translation>
    </message>
    <message>
        <source>, does not occur</source>
        <translation>，未出現</translation>
    </message>
    <message>
        <source>, occurs once</source>
        <translation>，出現一次</translation>
    </message>
    <message>
        <source>, occurs %1 times</source>
        <translation>，出現 %1 次</translation>
    </message>
</context>
<context>
    <name>NumberReadings</name>
    <message>
        <source>Number One symbolizes &apos;single entity&apos;. It is the very first of all numbers and stands for beginnings, for the spark from which everything else grows. In the Lo Shu square it sits in the north, in the lowest row, and it is linked with the element Water and with the path of your life and career. One governs self-expression and the way you put your thoughts into words. When this number appears in your chart, you are likely to be independent, self-reliant and quietly ambitious, and you prefer to find your own way rather than follow the road that others have laid out for you.</source>
        <translation>數字一象徵「獨立的個體」。它是萬數之首，代表開端，是萬物由此萌生的那一點火花。在洛書中，一位於北方、最下方的一列，與五行之水相連，關乎您的人生道路與事業。一主掌自我表達，以及您把想法化為言語的方式。當這個數字出現在您的命盤中，您很可能獨立自主、自力更生，懷有不事張揚的抱負；比起走別人為您鋪好的路，您更願意開闢自己的道路。</translation>
    </message>
    <message>
        <source>Having a single 1 in your chart indicates that you may find it hard to say what you feel, and you often keep your thoughts to yourself. Two 1s show that you express yourself clearly and can see both sides of an issue. Three 1s point to a lively, talkative nature, though at times you may be misunderstood by those near you.</source>
        <translation>命盤中只有一個 1，表示您可能不善於說出自己的感受，常把想法放在心裡。兩個 1 表示您表達清晰，能看見問題的正反兩面。三個 1 表示您個性活潑健談，但有時可能遭身邊的人誤解。</translation>
    </message>
    <message>
        <source>Four 1s signify that you are a compassionate and sensitive soul who feels the pain of others as if it were your own. Your words carry great weight, yet you may struggle to put your feelings into speech and then withdraw into silence. Five 1s or more point to a strong and restless inner life; you must take care that your moods do not run away with you, and learn to share your burdens with those you trust.</source>
        <translation>四個 1 表示您富有同情心、心思細膩，對他人的痛苦感同身受。您的話語很有分量，但您可能難以把感受說出口，轉而沉默不語。五個或更多的 1 表示您的內心世界強烈而躁動；您須留意別被情緒牽著走，並學會向信任的人傾訴，讓他們為您分擔心中的重擔。</translation>
    </message>
    <message>
        <source>Number two represents duality. It is the number of pairs and partnerships, of day and night, of giving and receiving, and it reminds you that each force in life has its counterpart. In the Lo Shu square it sits in the south-west, the corner of the Earth element and of relationships. Two governs intuition and sensitivity, and it gives you the gift of sensing what others feel before they say a single word. When this number appears in your chart, you are likely to be gentle, patient and cooperative, a natural peacemaker who finds true strength in harmony with others.</source>
        <translation>數字二代表二元。它是成雙與夥伴之數，是晝與夜、施與受之數，提醒您人生中的每一種力量都有與之相對的另一面。在洛書中，二位於西南方，此方屬土，主人際關係。二主掌直覺與敏感，賦予您在他人開口之前就能察覺其感受的天賦。當這個數字出現在您的命盤中，您很可能溫和、耐心、善於合作，是天生的和平使者，在與他人的和諧相處中找到真正的力量。</translation>
    </message>
    <message>
        <source>A person with a single 2 in his chart is sensitive and intuitive and can read the mood of a room with ease. Two 2s strengthen this gift, making you a shrewd judge of character. Three or four 2s point to a tender nature that is easily hurt by thoughtless words.</source>
        <translation>命盤中只有一個 2 的人敏感而富有直覺，能輕易察覺在場眾人的情緒。兩個 2 會加強這份天賦，使您善於看人。三個或四個 2 表示您心地柔軟，容易被無心之言所傷。</translation>
    </message>
    <message>
        <source>If 2 occurs five times or for more than five times in your chart, you may feel overwhelmed by the moods of others and must guard your own peace of mind with great care.</source>
        <translation>如果 2 在您的命盤中出現五次或五次以上，您可能會被他人的情緒壓得喘不過氣，必須格外用心守護自己內心的平靜。</translation>
    </message>
    <message>
        <source>Number three is related to ideals and ideas. It is the number of imagination, of the mind reaching outward, and of the joy that comes from creating something new. In the Lo Shu square it sits in the east, the home of the rising sun, and it is linked with the element Wood, with growth and with the family. Three governs memory and the ability to think clearly and logically. When this number appears in your chart, you are likely to be bright, hopeful and quick to learn, with a lively, warm sense of humour and a strong wish to shape the world around you according to your own vision of how things ought to be.</source>
        <translation>數字三與理想和構想有關。它是想像之數，象徵心智向外探索，也象徵創造新事物的喜悅。在洛書中，三位於東方，旭日東昇之處，與五行之木相連，主成長與家庭。三主掌記憶力，以及清晰而合乎邏輯的思考能力。當這個數字出現在您的命盤中，您很可能聰穎、樂觀、學得快，幽默感活潑而溫暖，並強烈希望依照自己心目中事物應有的樣貌去塑造周遭的世界。</translation>
    </message>
    <message>
        <source>People with a single 3 in their birth chart have a good memory and a clear, orderly way of thinking. Two 3s bring a vivid imagination and a gift for words, both spoken and written. Three 3s point to a mind so full of ideas that you may lose touch with everyday life. Four or more 3s ask you to keep your feet on the ground and to finish what you start.</source>
        <translation>命盤中只有一個 3 的人記性好，思路清晰而有條理。兩個 3 帶來豐富的想像力，以及口語與書寫的表達天賦。三個 3 表示您腦中充滿奇思妙想，以致可能與日常生活脫節。四個或更多的 3 提醒您腳踏實地，做事有始有終。</translation>
    </message>
    <message>
        <source>Number four is considered to be a complete number in itself. It recalls the four seasons, the four directions and the four corners of a solid house, and it speaks of order, structure and patient work. In the Lo Shu square it sits in the south-east, the corner of the Wood element and of abundance, where steady effort is slowly turned into lasting reward. Four governs the practical side of life, your skill with your hands and your sense of method and discipline. When this number appears in your chart, you are likely to be reliable, careful and hard-working, a person others turn to when something must be built properly. You value honesty and routine, and you seldom leave a task unfinished once you have begun it.</source>
        <translation>數字四本身被視為一個圓滿的數字。它讓人想起四季、四方，以及一棟堅固房屋的四個角，代表秩序、結構與耐心的努力。在洛書中，四位於東南方，此方屬木，主富足，穩健的努力在這裡慢慢化為長久的回報。四主掌生活中務實的一面、您的動手能力，以及做事的條理與自律。當這個數字出現在您的命盤中，您很可能可靠、細心、勤奮，每當有事需要紮紮實實地做好，別人總會想到您。您重視誠實與規律，事情一旦起了頭，就很少半途而廢。</translation>
    </message>
    <message>
        <source>People with a single four in their birth chart are orderly and practical, with a talent for handling tools and details. Two 4s make you neat, methodical and precise.</source>
        <translation>命盤中只有一個 4 的人做事有條理、講求實際，擅長使用工具、處理細節。兩個 4 使您整潔、有條不紊且一絲不苟。</translation>
    </message>
    <message>
        <source>Having three or more than three 4s in your birth chart suggests strong physical energy and practical skill, yet you may work too hard and forget the value of rest and play.</source>
        <translation>命盤中有三個或三個以上的 4，表示您體力充沛、動手能力強，但可能工作過度，忘了休息與玩樂的可貴。</translation>
    </message>
    <message>
        <source>Number five is the number that represents emotional stability and balance. It stands at the very centre of the Lo Shu square, where every line of the magic square meets, and it is linked with the Earth element and with health and wellbeing. Five is the pivot around which the other eight numbers turn, and so it gives you a steady heart in times of change. It governs freedom, movement and the courage to take life as it comes. When this number appears in your chart, you are likely to be resilient, warm and adaptable, a person who keeps calm under pressure and helps others to find their footing when the ground beneath them begins to shift.</source>
        <translation>數字五代表情緒的穩定與平衡。它居於洛書的正中央，幻方的每一條線都在此交會；它與五行之土相連，主健康與安樂。五是其餘八個數字圍繞運轉的樞紐，因此在世事變遷之時賦予您一顆安定的心。五主掌自由、變動，以及坦然面對人生際遇的勇氣。當這個數字出現在您的命盤中，您很可能堅韌、溫暖、善於適應，在壓力下保持冷靜，並在他人腳下的地面開始動搖時，幫助他們站穩腳步。</translation>
    </message>
    <message>
        <source>One 5 in your birth chart indicates that you are balanced, caring and able to stir others into action. Two 5s bring great drive and determination, though you may be stubborn. Three 5s point to a restless spirit that seeks adventure and may speak too quickly. Four or more 5s ask you to slow down and to weigh each choice with care.</source>
        <translation>命盤中有一個 5，表示您性情平和、懂得關懷他人，並能激勵他人付諸行動。兩個 5 帶來強大的幹勁與決心，但您可能較為固執。三個 5 表示您生性好動、喜歡冒險，有時可能話說得太快。四個或更多的 5 提醒您放慢腳步，審慎權衡每一個選擇。</translation>
    </message>
    <message>
        <source>Number six is the number which represents equilibrium and harmony. It is the number of the home, of love and responsibility, and of the care that holds the family together. In the Lo Shu square it sits in the north-west, the corner of the Metal element, of helpful people and of travel. Six governs creativity and the warmth that you bring to those around you. When this number appears in your chart, you are likely to be devoted, generous and protective, and you find deep meaning in looking after others and in making your surroundings beautiful, peaceful and truly welcoming for everyone who enters them.</source>
        <translation>數字六代表均衡與和諧。它是家庭之數，是愛與責任之數，也是維繫一家人的關懷之數。在洛書中，六位於西北方，此方屬金，主貴人與出行。六主掌創造力，以及您為身邊的人帶來的溫暖。當這個數字出現在您的命盤中，您很可能盡心奉獻、慷慨大方、樂於守護；照顧他人、把周遭環境布置得美麗安寧、讓每一位來客都真正感到賓至如歸，都能讓您找到深刻的意義。</translation>
    </message>
    <message>
        <source>People with one 6 are family lovers who find their joy at home. Two 6s bring a caring but anxious nature, quick to worry about those they love. Three 6s show a creative soul with high ideals.</source>
        <translation>有一個 6 的人熱愛家庭，在家中找到快樂。兩個 6 帶來體貼卻容易焦慮的性情，總為所愛的人操心。三個 6 顯示出富有創造力、懷抱崇高理想的心靈。</translation>
    </message>
    <message>
        <source>Having four or more 6s mean you are a well balanced but emotional person.</source>
        <translation>有四個或更多的 6，表示您內心平衡，卻也感情豐富。</translation>
    </message>
    <message>
        <source>Number seven represents a deep and a practical thinker. It is the number of reflection and learning, and in the Lo Shu square it sits in the west, where it is linked with Metal, joy and children.</source>
        <translation>數字七代表深刻而務實的思考者。它是省思與學習之數；在洛書中，七位於西方，與金相連，主喜悅與子女。</translation>
    </message>
    <message>
        <source>You are calm, quiet and affectionate by nature. You seek the truth behind appearances and are rarely satisfied with easy answers, preferring to study a matter until you grasp it. Life may often teach you through loss and challenge, yet each lesson leaves you wiser, and in time others come to value your thoughtful advice.</source>
        <translation>您天性沉著、安靜而重感情。您追尋表象背後的真相，很少滿足於簡單的答案，寧願把一件事鑽研到真正弄懂為止。人生或許常藉由失去與挑戰來教導您，但每一課都讓您更加睿智；久而久之，旁人也會珍視您深思熟慮的建議。</translation>
    </message>
    <message>
        <source>Having one 7 in the chart represents that you learn best through your own experience, and that setbacks in love, health or work become your greatest teachers. Two 7s bring a strong interest in spiritual and philosophical questions, along with a rich inner life. Three 7s suggest a person who has known sorrow and loss, yet who draws from them a deep compassion for others. Four or more 7s ask you to take care not to withdraw from the world, and to share your hard-won wisdom with all those who need it.</source>
        <translation>命盤中有一個 7，表示您最能從親身經歷中學習，感情、健康或工作上的挫折會成為您最好的老師。兩個 7 帶來對心靈與哲學問題的濃厚興趣，以及豐富的內心世界。三個 7 表示此人經歷過悲傷與失去，卻從中生出對他人深切的同情。四個或更多的 7 提醒您留意別與世隔絕，並把得來不易的智慧分享給所有需要的人。</translation>
    </message>
    <message>
        <source>Number eight represents patience, perseverance and wisdom. It is considered one of the most fortunate of all numbers, for its sound recalls the word for prosperity, and it promises that steady and honest effort will in time bear rich fruit. In the Lo Shu square it sits in the north-east, the corner of the Earth element and of knowledge and self-cultivation. Eight governs method, attention to detail and a strong sense of justice and fairness. When this number appears in your chart, you are likely to be dependable, loyal and discerning, a person who thinks carefully before acting and who earns respect through quiet competence rather than loud words or hasty promises.</source>
        <translation>數字八代表耐心、毅力與智慧。它被視為最吉利的數字之一，因為它的讀音近似「發」，寓意興旺發達，預示踏實誠懇的努力終將結出豐碩的果實。在洛書中，八位於東北方，此方屬土，主學識與修身。八主掌條理、對細節的關注，以及強烈的正義感與公平心。當這個數字出現在您的命盤中，您很可能可靠、忠誠、有洞察力，三思而後行，憑藉沉穩的實力而非高調的言詞或草率的承諾贏得尊重。</translation>
    </message>
    <message>
        <source>People with a single 8 in their birth chart are determined and orderly, and they like to see every task through. Two 8s bring a keen eye for detail and a love of order. Three or more 8s suggest great ambition, but you may often find it hard to relax.</source>
        <translation>命盤中只有一個 8 的人意志堅定、做事有條理，喜歡把每件事都做到底。兩個 8 帶來明察細節的眼光與對秩序的熱愛。三個或更多的 8 表示雄心勃勃，但您可能常常難以放鬆。</translation>
    </message>
    <message>
        <source>Number nine represents an extraordinary energy level. It is the highest of the single numbers, and it stands for completion, vision and the wisdom that comes at the end of a long journey. In the Lo Shu square it sits in the south, linked with Fire and with fame and recognition. When this number appears in your chart, you are likely to be idealistic, ambitious and generous, with a wish to help others and to leave the world a better place than you found it.</source>
        <translation>數字九代表非凡的能量。它是個位數中最大的數字，象徵圓滿、遠見，以及漫長旅程終點所得的智慧。在洛書中，九位於南方，與火相連，主名聲與肯定。當這個數字出現在您的命盤中，您很可能懷抱理想、富有抱負且慷慨大方，希望幫助他人，讓世界因您而變得更美好。</translation>
    </message>
    <message>
        <source>A person with a single 9 in his chart is idealistic and has a broad, humane outlook. Two 9s give a sharp mind and a tendency to judge others harshly. Three or more 9s suggest a brilliant but restless soul.</source>
        <translation>命盤中只有一個 9 的人懷抱理想，眼界開闊，富有人文關懷。兩個 9 帶來敏銳的頭腦，但也容易嚴苛地評斷他人。三個或更多的 9 表示才華洋溢卻難以安定的靈魂。</translation>
    </message>
</context>
<context>
    <name>PersonalDetails</name>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
</context>
<context>
    <name>PersonalDetailsGroup</name>
    <message>
        <source>Personal Details</source>
        <translation>個人資料</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>出生日期</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>出生日</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>出生月份</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>出生年份</translation>
    </message>
</context>
<context>
    <name>PersonalDetailsRules</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>請輸入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>請輸入正確的日期或月份！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>請輸入正確的日期或月份！</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Select the source file</source>
        <translation>選擇要開啟的檔案</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>請檢查該檔案。</translation>
    </message>
</context>
<context>
    <name>ProductTexts</name>
    <message>
        <source>Numerology is an age old subject, the origin of which is unknown till date; Chinese numerology has its roots in the Lo Shu square, a magic square of nine numbers said to have appeared on the shell of a turtle rising from the River Lo. Its rows read 4 9 2, 3 5 7 and 8 1 6, and every row, column and diagonal adds up to fifteen. By placing the digits of your date of birth on this square, Numorra builds your birth chart and finds your most favourable number, revealing the strengths and the lessons it has for you.</source>
        <translation>數字命理是一門古老的學問，起源至今無從考證。中國數字命理源於洛書——相傳洛水中浮出的神龜背上所現的九數幻方。洛書三橫列依次為 4 9 2、3 5 7、8 1 6，每一橫列、直行及對角線之和皆為十五。Numorra 將您出生日期的各位數字排入洛書，繪出您的命盤，找出您的最吉數字，揭示它帶給您的長處與課題。</translation>
    </message>
    <message>
        <source>Just input your name and date of birth and get to know your lucky Chinese Numerology Number!</source>
        <translation>只要輸入您的姓名與出生日期，就能得知您在中國數字命理中的幸運數字！</translation>
    </message>
    <message>
        <source>Numorra is an excellent and thought provoking program. From your name and date of birth it builds your Lo Shu birth chart, finds your most favourable number and direction, and describes your feng shui element and trigram. You can print a neat report of your reading and save readings to return to later. Numorra is meant for reflection and entertainment, a gentle invitation to think about yourself in a new light.</source>
        <translation>Numorra 是一套出色且發人深省的軟體：依您的姓名與出生日期繪出洛書命盤，找出最吉數字與方位，並介紹您的風水五行與卦象。您可列印整齊的解讀報告，也可儲存解讀，日後再看。Numorra 旨在供您自我省思、輕鬆娛樂，溫和地邀您以全新的眼光看待自己。</translation>
    </message>
    <message>
        <source>Join our numerology community at numorra.example.org</source>
        <translation>歡迎加入我們的命理社群：numorra.example.org</translation>
    </message>
    <message>
        <source>Share your reading and meet fellow enthusiasts in our numerology community online</source>
        <translation>到我們的線上命理社群分享您的解讀，結識志同道合的同好</translation>
    </message>
    <message>
        <source>Discuss your report in our numerology community</source>
        <translation>到我們的命理社群討論您的報告</translation>
    </message>
    <message>
        <source>Visit numorra.example.org</source>
        <translation>造訪 numorra.example.org</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
找不到檔案。
請確認檔名是否正確。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要取代它嗎？</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>found no private folder for its instance lock (in XDG_RUNTIME_DIR or ~/.cache); this Numorra runs on its own, and later starts cannot reach it</source>
        <translation>找不到存放執行個體鎖定的私人資料夾（在 XDG_RUNTIME_DIR 或 ~/.cache 中）；此 Numorra 將單獨執行，之後的啟動無法與它聯繫</translation>
    </message>
</context>
<context>
    <name>ReadingFolder</name>
    <message>
        <source>that name and the %1 before it are all taken</source>
        <translation>該名稱及其前面的 %1 個名稱都已被使用</translation>
    </message>
</context>
<context>
    <name>ReadingResults</name>
    <message>
        <source>FengShui nnnn</source>
        <translation>風水 nnnn</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>五行</translation>
    </message>
    <message>
        <source>Trigram</source>
        <translation>卦象</translation>
    </message>
    <message>
        <source>Element Description</source>
        <translation>五行說明</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>關係</translation>
    </message>
    <message>
        <source>East</source>
        <translation>東四命</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西四命</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>土</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Chen</source>
        <translation>震</translation>
    </message>
    <message>
        <source>Chien</source>
        <translation>乾</translation>
    </message>
    <message>
        <source>Kan</source>
        <translation>坎</translation>
    </message>
    <message>
        <source>Ken</source>
        <translation>艮</translation>
    </message>
    <message>
        <source>Kun</source>
        <translation>坤</translation>
    </message>
    <message>
        <source>Li</source>
        <translation>離</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>巽</translation>
    </message>
    <message>
        <source>Tui</source>
        <translation>兌</translation>
    </message>
</context>
<context>
    <name>RelationshipPane</name>
    <message>
        <source>Relationship analysis</source>
        <translation>關係分析</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Report Generated By %1</source>
        <translation>本報告由 %1 產生</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <source>Numorra report</source>
        <translation>Numorra 報告</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>
Try &apos;numorra-report --help&apos; for more.</source>
        <translation>
請執行「numorra-report --help」以取得更多資訊。</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>無法寫入輸出</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: 無法寫入：%2</translation>
    </message>
    <message>
        <source>no installed font can draw %1 in the name &quot;%2&quot;; the PDF shows a box in place of each (a Chinese font such as fonts-noto-cjk draws Chinese names)</source>
        <translation>沒有任何已安裝的字型能夠繪製姓名「%2」中的 %1；PDF 中每個這樣的字元都顯示為一個方框（fonts-noto-cjk 等中文字型可以繪製中文姓名）</translation>
    </message>
    <message>
        <source>no installed font can draw %1 in the name &quot;%2&quot;; the PDF shows a box in place of each</source>
        <translation>沒有任何已安裝的字型能夠繪製姓名「%2」中的 %1；PDF 中每個這樣的字元都顯示為一個方框</translation>
    </message>
    <message>
        <source>--save: %1 is not a folder that can be written to</source>
        <translation>--save：%1 不是可寫入的資料夾</translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation>已儲存為 %1</translation>
    </message>
    <message>
        <source>row %1: </source>
        <translation>第 %1 列：</translation>
    </message>
    <message>
        <source>argument %1 holds bytes that are not UTF-8 text</source>
        <translation>第 %1 個參數含有不是 UTF-8 文字的位元組</translation>
    </message>
    <message>
        <source>standard output is a terminal: --pdf - needs a file or a pipe</source>
        <translation>標準輸出是終端機：--pdf - 需要一個檔案或管線</translation>
    </message>
</context>
<context>
    <name>ReportOptions</name>
    <message>
        <source>--%1 must be %2, not &quot;%3&quot;</source>
        <translation>--%1 必須是%2，而不是「%3」</translation>
    </message>
    <message>
        <source>a date YYYY-MM-DD from 1900-01-01 to 2050-12-31</source>
        <translation>格式為 YYYY-MM-DD 且介於 1900-01-01 和 2050-12-31 之間的日期</translation>
    </message>
    <message>
        <source>a day 1 to 31</source>
        <translation>介於 1 和 31 之間的日期數字</translation>
    </message>
    <message>
        <source>a month name (January to December) or a number 1 to 12</source>
        <translation>英文月份名稱（January 至 December）或數字 1 至 12</translation>
    </message>
    <message>
        <source>a year 1900 to 2050</source>
        <translation>介於 1900 和 2050 之間的年份</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知的選項「%1」</translation>
    </message>
    <message>
        <source>--pdf needs the name of the file to write, or - for standard output</source>
        <translation>--pdf 需要指定要寫入的檔名，或以 - 表示標準輸出</translation>
    </message>
    <message>
        <source>--json and --pdf - cannot both go to standard output</source>
        <translation>--json 與 --pdf - 不能同時輸出到標準輸出</translation>
    </message>
    <message>
        <source>give the date of birth either as --date or as --day, --month and --year, not both</source>
        <translation>出生日期請以 --date 指定，或以 --day、--month 和 --year 指定，兩種方式不能並用</translation>
    </message>
    <message>
        <source>give either the details (--name, --date or --day, --month, --year) or reading files, not both</source>
        <translation>請指定個人資料（--name、--date 或 --day、--month、--year）或解讀檔案，兩者不能並用</translation>
    </message>
    <message>
        <source>the name is longer than the %1 characters the name field holds</source>
        <translation>姓名超過姓名欄位可容納的 %1 個字元</translation>
    </message>
    <message>
        <source>--name must be one line: it holds a line break</source>
        <translation>--name 必須為單行：其中含有換行字元</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 被指定了多次</translation>
    </message>
    <message>
        <source>Details, as the main window takes them:</source>
        <translation>個人資料（與主視窗的輸入方式相同）：</translation>
    </message>
    <message>
        <source>A saved reading is opened as the Open button opens it: each of its day, month
and year that is not an entry of the lists leaves that list at its default.
</source>
        <translation>已儲存的解讀會以「開啟」按鈕的方式開啟：其中的日、月、年若不是清單中的項目，
該清單會維持預設值。
</translation>
    </message>
    <message>
        <source>Client list:</source>
        <translation>客戶名單：</translation>
    </message>
    <message>
        <source>A client list is text in UTF-8 (with or without a byte-order mark), one row a
line, its cells parted by commas, semicolons or tabs (the one its first row
uses) and quoted as spreadsheets quote them. Its columns: the name, then the
date of birth (YYYY-MM-DD, or the short date of the user&apos;s locale with a
four-digit year) or the day, month and year, as --day, --month and --year
take them. A first row naming the columns (Name, Date of Birth, or Day,
Month, Year) is a header, which may give them in any order; other columns
are left out. Each row is checked as the main window checks the details; a
row that fails is told with its number, and the other rows are still done.
With a header, and without one:
  Name,Date of Birth,Phone         Anna Lee;5;March;1980
  Anna Lee,1980-03-05,555 0101     &quot;Lee, Bo&quot;;1;1;1911
</source>
        <translation>客戶名單是 UTF-8 文字（可含或不含位元組順序標記），每列一位客戶，儲存格之間
以逗號、分號或定位字元分隔（以第一列所用的為準），並依試算表的方式加引號。
各欄依序為：姓名，接著是出生日期（YYYY-MM-DD，或使用者地區設定的簡短日期
格式，年份為四位數），或是日、月、年三欄，取值方式與 --day、--month、--year
相同。第一列若寫明各欄名稱（Name、Date of Birth，或 Day、Month、Year），即為
標題列，此時各欄可依任意順序排列；其他欄會被略過。每一列都依主視窗的方式檢
查個人資料；未通過的列會連同列號一併指出，其餘各列照常輸出。
含標題列與不含標題列的範例：
  Name,Date of Birth,Phone         Anna Lee;5;March;1980
  Anna Lee,1980-03-05,555 0101     &quot;Lee, Bo&quot;;1;1;1911
</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>輸出：</translation>
    </message>
    <message>
        <source>the name, on one line; leading and trailing spaces are
dropped</source>
        <translation>姓名，限單行；開頭與結尾的空格會被移除</translation>
    </message>
    <message>
        <source>date of birth, 1900-01-01 to 2050-12-31; or, apart:</source>
        <translation>出生日期，1900-01-01 至 2050-12-31；也可分開指定：</translation>
    </message>
    <message>
        <source>day of birth, 1 to 31 (default 1)</source>
        <translation>出生日，1 至 31（預設為 1）</translation>
    </message>
    <message>
        <source>month of birth: its English name in any case, or 1 to 12
(default January)</source>
        <translation>出生月份：英文月份名稱（不分大小寫），或 1 至 12
（預設為 January）</translation>
    </message>
    <message>
        <source>year of birth, 1900 to 2050 (default 1970)</source>
        <translation>出生年份，1900 至 2050（預設為 1970）</translation>
    </message>
    <message>
        <source>a reading for each row of LIST.csv, a spreadsheet saved as
CSV (below); - reads the list from standard input</source>
        <translation>為 LIST.csv（另存為 CSV 的試算表，見下文）中的每一列
輸出一份解讀；- 表示從標準輸入讀取名單</translation>
    </message>
    <message>
        <source>print the reading as JSON (below) instead of the report</source>
        <translation>以 JSON 格式（見下文）輸出解讀，而不輸出報告</translation>
    </message>
    <message>
        <source>write the report as printed to OUT.pdf, not to standard
output (with --json, the JSON still goes there); each
reading starts a new page. An existing OUT.pdf is replaced
only once the new one is complete, and is left as it was
if that fails. --pdf - writes the PDF to standard output.</source>
        <translation>將列印版報告寫入 OUT.pdf，而不是寫到標準輸出（同時使用
--json 時，JSON 仍寫到標準輸出）；每份解讀從新的一頁開始。
現有的 OUT.pdf 只有在新檔案完整寫好後才會被取代；若寫入
失敗，原檔案會維持原狀。
--pdf - 將 PDF 寫到標準輸出。</translation>
    </message>
    <message>
        <source>also save each reading in FOLDER as a reading file (.qnr)
that Numorra opens, named after the name, the date of birth
and the row of the list; no file there is ever replaced</source>
        <translation>同時將每份解讀以 Numorra 可開啟的解讀檔案（.qnr）儲存到
FOLDER，檔名取自姓名、出生日期與名單中的列號；
該資料夾中現有的檔案絕不會被取代</translation>
    </message>
    <message>
        <source>name each reading file saved, on standard error</source>
        <translation>在標準錯誤輸出中列出儲存的每個解讀檔案</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>顯示此說明</translation>
    </message>
    <message>
        <source>print the version, with the package&apos;s name</source>
        <translation>顯示版本編號及套件名稱</translation>
    </message>
    <message>
        <source>Exit status:
  0  every report was written
  1  a file or list is missing, unreadable, a folder, not named *qnr or not a
     saved reading or a list, a row of the list is refused (with the program&apos;s
     own message) or holds a date the lists lack, a reading could not be
     saved, the output could not be written, no installed font can draw a
     character of a name in the PDF (it shows a box there; the character is
     named), or a step of a calculation failed (it is named); the other files
     and rows are still reported
  2  a usage error, a date the lists do not hold, a name with a line break, or
     details the program refuses, with its own message (&quot;Please Enter Your
     Name&quot;, &quot;Please Enter Correct Date Or Month!&quot;)
When several files fail, the status is the highest of theirs.
</source>
        <translation>結束狀態：
  0  所有報告皆已寫出
  1  某個檔案或名單不存在、無法讀取、是資料夾、名稱不以 qnr 結尾、不是已儲
     存的解讀或不是名單，名單中的某列遭到拒絕（附帶程式自己的提示）或含有清
     單中沒有的日期，某份解讀無法儲存，輸出無法寫入，已安裝的字型都無法繪製
     PDF 中姓名的某個字元（該處顯示為方框，並指明該字元），或是某個計算步驟
     失敗（並指明該步驟）；其餘檔案與列仍會照常輸出報告
  2  用法錯誤、清單中沒有的日期、含換行字元的姓名，或程式拒絕的個人資料（附帶
     程式自己的提示，如「請輸入您的姓名」、「請輸入正確的日期或月份！」）
多個檔案失敗時，結束狀態取其中的最大值。
</translation>
    </message>
    <message>
        <source>--save needs the folder to save the readings in</source>
        <translation>--save 需要指定儲存解讀的資料夾</translation>
    </message>
    <message>
        <source>--list takes the details from the list: give no other details or reading files with it</source>
        <translation>--list 從名單中取得個人資料：請勿同時指定其他個人資料或解讀檔案</translation>
    </message>
    <message>
        <source>nothing to report: give --name and the date of birth, reading files or --list</source>
        <translation>沒有可輸出的報告：請指定 --name 與出生日期、解讀檔案或 --list</translation>
    </message>
    <message>
        <source>--list needs the name of the list to read, or - for standard input</source>
        <translation>--list 需要指定要讀取的名單，或以 - 表示標準輸入</translation>
    </message>
    <message>
        <source>Usage: numorra-report [OPTION]... --name NAME [--date YYYY-MM-DD]
       numorra-report [OPTION]... --name NAME [--day D] [--month M] [--year Y]
       numorra-report [OPTION]... FILE.qnr...
       numorra-report [OPTION]... --list LIST.csv

Prints the report of a Chinese numerology reading, exactly as Numorra&apos;s report
preview shows it, for the details given, for each saved reading (.qnr file;
- reads one from standard input) or for each row of a client list.
</source>
        <translation>用法：numorra-report [選項]... --name NAME [--date YYYY-MM-DD]
      numorra-report [選項]... --name NAME [--day D] [--month M] [--year Y]
      numorra-report [選項]... FILE.qnr...
      numorra-report [選項]... --list LIST.csv

為所給的個人資料、每個已儲存的解讀（.qnr 檔案；- 表示從標準輸入讀取一個）或
客戶名單中的每一列，輸出中國數字命理解讀的報告，內容與 Numorra 報告預覽所
顯示的完全相同。
</translation>
    </message>
    <message>
        <source>The report is printed with LF line ends; several reports are parted by a line
holding a form feed. The date of birth is written in the short date format of
the user&apos;s locale (LC_ALL, LC_TIME, LANG) with a four-digit year. No display is
needed, not even for the PDF. When standard error is a terminal that the
readings do not go to, a run that lasts over a second shows its progress there.
</source>
        <translation>報告輸出時以 LF 作為行尾；多份報告之間以只含一個換頁字元的行分隔。出生日期
依使用者地區設定（LC_ALL、LC_TIME、LANG）的簡短日期格式書寫，年份為四位數。
不需要圖形顯示環境，產生 PDF 時也不需要。標準錯誤輸出為終端機、且解讀本身
不輸出到該終端機時，執行超過一秒會在該處顯示進度。
</translation>
    </message>
    <message>
        <source>JSON: one object per reading, or an array with one entry per file or row, in
order, when more than one file is named or a list is read; a file or row that
fails is an entry {&quot;error&quot;: REASON, &quot;file&quot;: FILE}, with &quot;row&quot;: N for a row.
The keys come in alphabetical order:
  {
    &quot;birthDate&quot;: &quot;1980-03-05&quot;,      ISO 8601
    &quot;birthDigits&quot;: &quot;531980&quot;,        day, month number and year, as counted
    &quot;counts&quot;: {&quot;1&quot;: 1, &quot;2&quot;: 0, ..., &quot;9&quot;: 1},
                                    occurrences of each number in the digits
    &quot;favourable&quot;: [                 the most favourable numbers, ascending
      {&quot;number&quot;: 1, &quot;occurrences&quot;: 1, &quot;direction&quot;: &quot;North&quot;}, ...
    ],                              (direction is null for 5, which has none)
    &quot;fengShui&quot;: {&quot;number&quot;: 2, &quot;group&quot;: &quot;West&quot;, &quot;element&quot;: &quot;Earth&quot;,
                 &quot;trigram&quot;: &quot;Kun&quot;},
    &quot;file&quot;: &quot;anna.qnr&quot;,             the reading file or list, null for --name
    &quot;name&quot;: &quot;Anna Lee&quot;,             the name as calculated
    &quot;row&quot;: 2,                       the row of the list (--list only)
    &quot;saved&quot;: &quot;out/Anna Lee 1980-03-05.qnr&quot;
                                    the file saved (--save only; null when it
                                    could not be written)
  }
</source>
        <translation>JSON：每份解讀輸出一個物件；指定了多個檔案或讀取名單時，則輸出一個陣列，
依順序每個檔案或每列一項；處理失敗的檔案或列對應一項
{&quot;error&quot;: REASON, &quot;file&quot;: FILE}，列還帶有 &quot;row&quot;: N。各鍵依字母順序排列：
  {
    &quot;birthDate&quot;: &quot;1980-03-05&quot;,      ISO 8601
    &quot;birthDigits&quot;: &quot;531980&quot;,        參與計數的日、月份數字與年份
    &quot;counts&quot;: {&quot;1&quot;: 1, &quot;2&quot;: 0, ..., &quot;9&quot;: 1},
                                    各數字在這些數字中出現的次數
    &quot;favourable&quot;: [                 最吉數字，依遞增順序排列
      {&quot;number&quot;: 1, &quot;occurrences&quot;: 1, &quot;direction&quot;: &quot;North&quot;}, ...
    ],                              （5 沒有方位，其 direction 為 null）
    &quot;fengShui&quot;: {&quot;number&quot;: 2, &quot;group&quot;: &quot;West&quot;, &quot;element&quot;: &quot;Earth&quot;,
                 &quot;trigram&quot;: &quot;Kun&quot;},
    &quot;file&quot;: &quot;anna.qnr&quot;,             解讀檔案或名單；使用 --name 時為 null
    &quot;name&quot;: &quot;Anna Lee&quot;,             計算時使用的姓名
    &quot;row&quot;: 2,                       名單中的列號（僅用於 --list）
    &quot;saved&quot;: &quot;out/Anna Lee 1980-03-05.qnr&quot;
                                    儲存的檔案（僅用於 --save；無法寫入
                                    時為 null）
  }
</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Numorra report: %1</source>
        <translation>Numorra 報告：%1</translation>
    </message>
    <message>
        <source>a PDF needs a QGuiApplication for its fonts</source>
        <translation>產生 PDF 需要 QGuiApplication 來提供字型</translation>
    </message>
    <message>
        <source>standard output takes no PDF here</source>
        <translation>此處無法將 PDF 寫到標準輸出</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>numorra-report: %1 of %2 readings</source>
        <translation>numorra-report: 已完成 %1/%2 份解讀</translation>
    </message>
    <message>
        <source>numorra-report: %1 readings</source>
        <translation>numorra-report: 已完成 %1 份解讀</translation>
    </message>
</context>
<context>
    <name>SavedReading</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>無法讀取：%1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>is a folder, not a reading file</source>
        <translation>是資料夾，不是解讀檔案</translation>
    </message>
    <message>
        <source>not a reading file (its name must end in &quot;qnr&quot;)</source>
        <translation>不是解讀檔案（檔名必須以「qnr」結尾）</translation>
    </message>
    <message>
        <source>not a saved reading</source>
        <translation>不是已儲存的解讀</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Calculate My &amp;Favourable Number</source>
        <translation>推算我的吉數(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>開啟先前儲存的解讀(&amp;O)</translation>
    </message>
    <message>
        <source>Calculate My &amp;Favourable Number By Chinese Numerology</source>
        <translation>用中國數字命理推算我的吉數(&amp;F)</translation>
    </message>
</context>
<context>
    <name>frmNineStar</name>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Nine Star Ki Chart</source>
        <translation>九星氣學命盤</translation>
    </message>
    <message>
        <source>Nine Star Ki Element</source>
        <translation>九星氣學五行</translation>
    </message>
    <message>
        <source>Nine Star Ki Relationship Analysis</source>
        <translation>九星氣學關係分析</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Report</source>
        <translation>報告</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>列印(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開啟(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Export PDF</source>
        <translation>匯出 PDF(&amp;E)</translation>
    </message>
    <message>
        <source>The report was not printed: the system&apos;s print service (CUPS) could not be found.

Install CUPS (the package libcups2), then print again.</source>
        <translation>報告未列印：找不到系統的列印服務（CUPS）。

請安裝 CUPS（套件 libcups2），然後再列印一次。</translation>
    </message>
    <message>
        <source>The report was not printed: there is no default printer.

Make a printer the default in your system&apos;s printer settings, then print again.</source>
        <translation>報告未列印：沒有預設的印表機。

請在系統的印表機設定中將一台印表機設為預設印表機，然後再列印一次。</translation>
    </message>
    <message>
        <source>The report was not printed: the printer did not accept it.

Check the printer in your system&apos;s printer settings, then print again.</source>
        <translation>報告未列印：印表機未接受列印工作。

請在系統的印表機設定中檢查該印表機，然後再列印一次。</translation>
    </message>
    <message>
        <source>The report was not printed: the document for the printer could not be written to the temporary folder &quot;%1&quot;.

Make room there or check that it can be written to, then print again.</source>
        <translation>報告未列印：無法將要送往印表機的文件寫入暫存資料夾「%1」。

請在該資料夾騰出空間，或確認它可以寫入，然後再列印一次。</translation>
    </message>
    <message>
        <source>Nine Star Ki Astrology (*.qfs)|*.qfs</source>
        <translation>九星氣學檔案 (*.qfs)|*.qfs</translation>
    </message>
    <message>
        <source>Export the report as PDF</source>
        <translation>將報告匯出為 PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)|*.pdf</source>
        <translation>PDF 文件 (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>They will see no name.</source>
        <translation>這些程式將看不到姓名。</translation>
    </message>
    <message>
        <source>They will see it as &quot;%1&quot;.</source>
        <translation>這些程式看到的姓名將是「%1」。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; holds characters that other programs reading this file cannot show. %2 Numorra itself keeps the whole name.

Save the reading anyway?</source>
        <translation>姓名「%1」包含其他程式讀取此檔案時無法顯示的字元。%2Numorra 本身會保留完整的姓名。

仍要儲存此解讀嗎？</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;.

%2</source>
        <translation>無法將解讀儲存為「%1」。

%2</translation>
    </message>
    <message>
        <source>A file that was already there is left as it was.</source>
        <translation>原先已存在的檔案維持原狀。</translation>
    </message>
    <message>
        <source>The report could not be exported as &quot;%1&quot;.

%2</source>
        <translation>無法將報告匯出為「%1」。

%2</translation>
    </message>
    <message>
        <source>The report was not printed: the print service (CUPS) did not answer.

Check that it is running, then print again.</source>
        <translation>報告未列印：列印服務（CUPS）沒有回應。

請檢查它是否正在執行，然後再列印一次。</translation>
    </message>
    <message>
        <source>The report waits in the printer&apos;s queue: the printer is stopped.

Start the printer again in your system&apos;s printer settings.</source>
        <translation>報告正在印表機的佇列中等待：印表機已停止。

請在系統的印表機設定中重新啟動印表機。</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>本軟體可能有可用的更新。<byte value="xd"/>是否要檢查更新？</translation>
    </message>
</context>
<context>
    <name>modNineStarKey</name>
    <message>
        <source>North</source>
        <translation>北</translation>
    </message>
    <message>
        <source>South-West</source>
        <translation>西南</translation>
    </message>
    <message>
        <source>East</source>
        <translation>東</translation>
    </message>
    <message>
        <source>South-East</source>
        <translation>東南</translation>
    </message>
    <message>
        <source>North-West</source>
        <translation>西北</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西</translation>
    </message>
    <message>
        <source>North-East</source>
        <translation>東北</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南</translation>
    </message>
    <message>
        <source>Number of occurrence: %1</source>
        <translation>出現次數：%1</translation>
    </message>
    <message>
        <source>Most Favorable Direction by Chinese Numerology</source>
        <translation>中國數字命理推算的最吉方位</translation>
    </message>
    <message>
        <source>Most Favorable Number by Chinese Numerology</source>
        <translation>中國數字命理推算的最吉數字</translation>
    </message>
</context>
</TS>
