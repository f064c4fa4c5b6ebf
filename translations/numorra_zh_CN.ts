<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ApplicationShell</name>
    <message>
        <source>Application is already running</source>
        <translation>程序已在运行</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>The file is read-only.</source>
        <translation>该文件为只读文件。</translation>
    </message>
    <message>
        <source>The data could not be stored on disk.</source>
        <translation>数据无法保存到磁盘。</translation>
    </message>
</context>
<context>
    <name>CalculationSteps</name>
    <message>
        <source>the calculation step %1 failed</source>
        <translation>计算步骤 %1 失败</translation>
    </message>
</context>
<context>
    <name>CheckedOutput</name>
    <message>
        <source>The data could not be written.</source>
        <translation>数据无法写入。</translation>
    </message>
</context>
<context>
    <name>ClientList</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>not a client list: its header names no Name column, or no Date of Birth column (or Day, Month and Year)</source>
        <translation>不是客户名单：其标题行没有“姓名”列，或没有“出生日期”列（或“日”“月”“年”三列）</translation>
    </message>
    <message>
        <source>the name must be one line: it holds a line break</source>
        <translation>姓名只能占一行：其中含有换行符</translation>
    </message>
    <message>
        <source>the date of birth must be YYYY-MM-DD or %1, from 1900 to 2050, not &quot;%2&quot;</source>
        <translation>出生日期必须是 YYYY-MM-DD 或 %1 格式，在 1900 年至 2050 年之间，而不是“%2”</translation>
    </message>
    <message>
        <source>the day of birth must be 1 to 31, not &quot;%1&quot;</source>
        <translation>出生日必须是 1 至 31，而不是“%1”</translation>
    </message>
    <message>
        <source>the month of birth must be its English name or 1 to 12, not &quot;%1&quot;</source>
        <translation>出生月份必须是英文月份名称或 1 至 12，而不是“%1”</translation>
    </message>
    <message>
        <source>the year of birth must be 1900 to 2050, not &quot;%1&quot;</source>
        <translation>出生年份必须是 1900 至 2050，而不是“%1”</translation>
    </message>
    <message>
        <source>not a client list: it holds bytes that are not UTF-8 text (a spreadsheet saves it as &quot;CSV UTF-8&quot;)</source>
        <translation>不是客户名单：其中含有不属于 UTF-8 文本的字节（电子表格可将其另存为“CSV UTF-8”）</translation>
    </message>
    <message>
        <source>not a client list: a row is longer than %1 bytes</source>
        <translation>不是客户名单：有一行超过 %1 字节</translation>
    </message>
    <message>
        <source>not a client list: a row has more than %1 columns</source>
        <translation>不是客户名单：有一行超过 %1 列</translation>
    </message>
    <message>
        <source>not a client list: a quote opened in this row is never closed</source>
        <translation>不是客户名单：此行中有未闭合的引号</translation>
    </message>
    <message>
        <source>the list holds no client</source>
        <translation>名单中没有任何客户</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Gives a person&apos;s reading by Chinese numerology, in a window. When Numorra is
already running, the file named goes to the running program, which comes
forward and opens it, and this start ends; without a file, this start says
&quot;Application is already running&quot; and ends.</source>
        <translation>在窗口中按中国数字命理为一个人推算解读。如果 Numorra 已在运行，
指定的文件会交给正在运行的程序，由它来到前台并打开，本次启动随即结束；
未指定文件时，本次启动提示“程序已在运行”并结束。</translation>
    </message>
    <message>
        <source>Print this help.</source>
        <translation>显示本帮助。</translation>
    </message>
    <message>
        <source>Print the version, with the package&apos;s name.</source>
        <translation>显示版本及软件包名称。</translation>
    </message>
    <message>
        <source>A saved reading, opened as &quot;Open Previously Saved Reading&quot; opens it.</source>
        <translation>已保存的解读，像“打开以前保存的解读”那样打开。</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform, -display and -style, are taken as Qt
takes them.</source>
        <translation>Qt 自身的选项（如 -platform、-display 和 -style）按 Qt 的方式处理。</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>退出状态：</translation>
    </message>
    <message>
        <source>the program ended, or handed its file to the running program</source>
        <translation>程序已结束，或已将文件交给正在运行的程序</translation>
    </message>
    <message>
        <source>no display to open a window on, or this answer could not be written</source>
        <translation>找不到可以打开窗口的显示器，或无法输出帮助或版本信息</translation>
    </message>
    <message>
        <source>a usage error</source>
        <translation>用法错误</translation>
    </message>
    <message>
        <source>the answer could not be written: %1</source>
        <translation>无法输出帮助或版本信息：%1</translation>
    </message>
    <message>
        <source>no display to open a window on was found (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>找不到可以打开窗口的显示器（DISPLAY 和 WAYLAND_DISPLAY 均未设置）</translation>
    </message>
</context>
<context>
    <name>ElementDescriptions</name>
    <message>
        <source>Water Element symbolizes a still, calm and a reflective personality. Like a lake, you are quiet on the surface yet full of hidden depth. You are intuitive and wise, and you adapt easily to change, though you must take care not to drift with every passing tide.</source>
        <translation>五行之水，象征沉静、安宁而善于内省的性格。您如同湖泊，表面平静，内心却深邃而丰富。您直觉敏锐、富有智慧，能轻松适应变化，但须留意不要随波逐流。</translation>
    </message>
    <message>
        <source>Compatible elements: Wood and Metal.</source>
        <translation>相生五行：木与金。</translation>
    </message>
    <message>
        <source>Challenging elements: Fire and Earth.</source>
        <translation>相克五行：火与土。</translation>
    </message>
    <message>
        <source>Earth Element symbolizes a steady, reliable and a receptive personality. Like fertile soil, you nourish those around you, and others find comfort in your patience and common sense. You are loyal and practical, though at times you may resist change and hold on too tightly to the familiar.</source>
        <translation>五行之土，象征稳重、可靠而包容的性格。您如同沃土，滋养身边的人，他人也能从您的耐心与通情达理中得到慰藉。您忠诚务实，但有时可能抗拒变化，过于执着于熟悉的事物。</translation>
    </message>
    <message>
        <source>Compatible elements: Fire and Metal.</source>
        <translation>相生五行：火与金。</translation>
    </message>
    <message>
        <source>Challenging elements: Water and Wood.</source>
        <translation>相克五行：水与木。</translation>
    </message>
    <message>
        <source>Wood Element symbolizes an energetic, vibrant and an uplifting personality. Like a young tree reaching for the light, you are always growing. You are generous, creative and idealistic, but you may sometimes take on more than you can manage.</source>
        <translation>五行之木，象征充满活力、朝气蓬勃而能鼓舞人心的性格。您如同向着阳光生长的幼树，始终在成长。您慷慨、富有创意且怀抱理想，但有时可能揽下超出自己能力的事。</translation>
    </message>
    <message>
        <source>Compatible elements: Water and Fire.</source>
        <translation>相生五行：水与火。</translation>
    </message>
    <message>
        <source>Challenging elements: Earth and Metal.</source>
        <translation>相克五行：土与金。</translation>
    </message>
    <message>
        <source>Metal Element symbolizes strong, unyielding and a focused personality. You are loyal, disciplined, principled and decisive, with a keen sense of justice, though at times you may seem rigid or cold.</source>
        <translation>五行之金，象征坚强、不屈而专注的性格。您忠诚、自律、有原则且处事果断，正义感强烈，但有时可能显得刻板或冷漠。</translation>
    </message>
    <message>
        <source>Compatible elements: Earth and Water.</source>
        <translation>相生五行：土与水。</translation>
    </message>
    <message>
        <source>Challenging elements: Fire and Wood.</source>
        <translation>相克五行：火与木。</translation>
    </message>
    <message>
        <source>Fire Element symbolizes a dynamic, vibrant and unpredictable personality. You are passionate, warm and inspiring, yet your flame might burn too brightly and fade too soon.</source>
        <translation>五行之火，象征充满动感、活力四射而常出人意料的性格。您热情、温暖，富有感染力，但您的火焰可能烧得过旺，也熄灭得太快。</translation>
    </message>
    <message>
        <source>Compatible elements: Wood and Earth.</source>
        <translation>相生五行：木与土。</translation>
    </message>
    <message>
        <source>Challenging elements: Metal and Water.</source>
        <translation>相克五行：金与水。</translation>
    </message>
</context>
<context>
    <name>ElementPane</name>
    <message>
        <source>Nine Star Ki Astrology corresponds with five elements namely, Fire, Earth, Metal, Water and Wood.</source>
        <translation>九星气学与五行相对应，即火、土、金、水、木。</translation>
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
        <translation>五行图片：%1</translation>
    </message>
    <message>
        <source>%1 trigram picture</source>
        <translation>卦象图片：%1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>%1
This file is read-only. Choose another file.</source>
        <translation>%1
该文件为只读文件。请选择其他文件。</translation>
    </message>
    <message>
        <source>%1
The folder does not exist. Check the path and try again.</source>
        <translation>%1
该文件夹不存在。请检查路径后重试。</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
</context>
<context>
    <name>LoShuChartPane</name>
    <message>
        <source>South East</source>
        <translation>东南</translation>
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
        <translation>东北</translation>
    </message>
    <message>
        <source>East</source>
        <translation>东</translation>
    </message>
    <message>
        <source>Numerology reading</source>
        <translation>数字命理解读</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>数字 %1</translation>
    </message>
    <message>
        <source>, does not occur</source>
        <translation>，未出现</translation>
    </message>
    <message>
        <source>, occurs once</source>
        <translation>，出现一次</translation>
    </message>
    <message>
        <source>, occurs %1 times</source>
        <translation>，出现 %1 次</translation>
    </message>
</context>
<context>
    <name>NumberReadings</name>
    <message>
        <source>Number One symbolizes &apos;single entity&apos;. It is the very first of all numbers and stands for beginnings, for the spark from which everything else grows. In the Lo Shu square it sits in the north, in the lowest row, and it is linked with the element Water and with the path of your life and career. One governs self-expression and the way you put your thoughts into words. When this number appears in your chart, you are likely to be independent, self-reliant and quietly ambitious, and you prefer to find your own way rather than follow the road that others have laid out for you.</source>
        <translation>数字一象征“独立的个体”。它是万数之首，代表开端，是万物由此生发的那一点火花。在洛书中，一位于北方、最下面一行，与五行之水相连，关乎您的人生道路与事业。一主宰自我表达，以及您把想法化为言语的方式。当这个数字出现在您的命盘中，您很可能独立自主、自力更生，怀有不事张扬的抱负；比起走别人为您铺好的路，您更愿意开辟自己的道路。</translation>
    </message>
    <message>
        <source>Having a single 1 in your chart indicates that you may find it hard to say what you feel, and you often keep your thoughts to yourself. Two 1s show that you express yourself clearly and can see both sides of an issue. Three 1s point to a lively, talkative nature, though at times you may be misunderstood by those near you.</source>
        <translation>命盘中只有一个 1，表示您可能不善于说出自己的感受，常常把想法藏在心里。两个 1 表示您表达清晰，能看到问题的正反两面。三个 1 表示您性格活泼健谈，但有时可能被身边的人误解。</translation>
    </message>
    <message>
        <source>Four 1s signify that you are a compassionate and sensitive soul who feels the pain of others as if it were your own. Your words carry great weight, yet you may struggle to put your feelings into speech and then withdraw into silence. Five 1s or more point to a strong and restless inner life; you must take care that your moods do not run away with you, and learn to share your burdens with those you trust.</source>
        <translation>四个 1 表示您富有同情心、心思细腻，对他人的痛苦感同身受。您的话语很有分量，但您可能难以把感受说出口，转而沉默不语。五个或更多的 1 表示您的内心世界强烈而躁动；您须当心不被情绪牵着走，并学会向信任的人倾诉，让他们为您分担心中的重负。</translation>
    </message>
    <message>
        <source>Number two represents duality. It is the number of pairs and partnerships, of day and night, of giving and receiving, and it reminds you that each force in life has its counterpart. In the Lo Shu square it sits in the south-west, the corner of the Earth element and of relationships. Two governs intuition and sensitivity, and it gives you the gift of sensing what others feel before they say a single word. When this number appears in your chart, you are likely to be gentle, patient and cooperative, a natural peacemaker who finds true strength in harmony with others.</source>
        <translation>数字二代表二元。它是成双与伙伴之数，是昼与夜、予与受之数，提醒您人生中的每一种力量都有与之相对的另一面。在洛书中，二位于西南方，此方属土，主人际关系。二主宰直觉与敏感，赋予您在他人开口之前就能察觉其感受的天赋。当这个数字出现在您的命盘中，您很可能温和、耐心、善于合作，是天生的和平使者，在与他人的和谐相处中找到真正的力量。</translation>
    </message>
    <message>
        <source>A person with a single 2 in his chart is sensitive and intuitive and can read the mood of a room with ease. Two 2s strengthen this gift, making you a shrewd judge of character. Three or four 2s point to a tender nature that is easily hurt by thoughtless words.</source>
        <translation>命盘中只有一个 2 的人敏感而富有直觉，能轻易察觉在场众人的情绪。两个 2 会加强这份天赋，使您善于识人。三个或四个 2 表示您心地柔软，容易被无心之言所伤。</translation>
    </message>
    <message>
        <source>If 2 occurs five times or for more than five times in your chart, you may feel overwhelmed by the moods of others and must guard your own peace of mind with great care.</source>
        <translation>如果 2 在您的命盘中出现五次或五次以上，您可能会被他人的情绪压得喘不过气，必须格外用心守护自己内心的平静。</translation>
    </message>
    <message>
        <source>Number three is related to ideals and ideas. It is the number of imagination, of the mind reaching outward, and of the joy that comes from creating something new. In the Lo Shu square it sits in the east, the home of the rising sun, and it is linked with the element Wood, with growth and with the family. Three governs memory and the ability to think clearly and logically. When this number appears in your chart, you are likely to be bright, hopeful and quick to learn, with a lively, warm sense of humour and a strong wish to shape the world around you according to your own vision of how things ought to be.</source>
        <translation>数字三与理想和构想相关。它是想象之数，象征心智向外探索，也象征创造新事物的喜悦。在洛书中，三位于东方，旭日升起之处，与五行之木相连，主成长与家庭。三主宰记忆力，以及清晰而合乎逻辑的思考能力。当这个数字出现在您的命盘中，您很可能聪颖、乐观、学得快，幽默感活泼而温暖，并强烈希望按照自己心目中事物应有的样子去塑造周围的世界。</translation>
    </message>
    <message>
        <source>People with a single 3 in their birth chart have a good memory and a clear, orderly way of thinking. Two 3s bring a vivid imagination and a gift for words, both spoken and written. Three 3s point to a mind so full of ideas that you may lose touch with everyday life. Four or more 3s ask you to keep your feet on the ground and to finish what you start.</source>
        <translation>命盘中只有一个 3 的人记性好，思路清晰而有条理。两个 3 带来丰富的想象力，以及口头与书面的表达天赋。三个 3 表示您脑中充满奇思妙想，以致可能与日常生活脱节。四个或更多的 3 提醒您脚踏实地，做事有始有终。</translation>
    </message>
    <message>
        <source>Number four is considered to be a complete number in itself. It recalls the four seasons, the four directions and the four corners of a solid house, and it speaks of order, structure and patient work. In the Lo Shu square it sits in the south-east, the corner of the Wood element and of abundance, where steady effort is slowly turned into lasting reward. Four governs the practical side of life, your skill with your hands and your sense of method and discipline. When this number appears in your chart, you are likely to be reliable, careful and hard-working, a person others turn to when something must be built properly. You value honesty and routine, and you seldom leave a task unfinished once you have begun it.</source>
        <translation>数字四本身被视为一个圆满的数字。它让人想起四季、四方，以及一座坚固房屋的四个角，代表秩序、结构与耐心的努力。在洛书中，四位于东南方，此方属木，主富足，稳健的努力在这里慢慢化为长久的回报。四主宰生活中务实的一面、您的动手能力，以及做事的条理与自律。当这个数字出现在您的命盘中，您很可能可靠、细心、勤奋，每当有事需要扎扎实实地做好，别人总会想到您。您重视诚实与规律，事情一旦开了头，就很少半途而废。</translation>
    </message>
    <message>
        <source>People with a single four in their birth chart are orderly and practical, with a talent for handling tools and details. Two 4s make you neat, methodical and precise.</source>
        <translation>命盘中只有一个 4 的人做事有条理、讲求实际，善于使用工具、处理细节。两个 4 使您整洁、有条不紊且一丝不苟。</translation>
    </message>
    <message>
        <source>Having three or more than three 4s in your birth chart suggests strong physical energy and practical skill, yet you may work too hard and forget the value of rest and play.</source>
        <translation>命盘中有三个或三个以上的 4，表示您精力充沛、动手能力强，但可能工作过度，忘了休息与玩乐的可贵。</translation>
    </message>
    <message>
        <source>Number five is the number that represents emotional stability and balance. It stands at the very centre of the Lo Shu square, where every line of the magic square meets, and it is linked with the Earth element and with health and wellbeing. Five is the pivot around which the other eight numbers turn, and so it gives you a steady heart in times of change. It governs freedom, movement and the courage to take life as it comes. When this number appears in your chart, you are likely to be resilient, warm and adaptable, a person who keeps calm under pressure and helps others to find their footing when the ground beneath them begins to shift.</source>
        <translation>数字五代表情绪的稳定与平衡。它居于洛书的正中央，幻方的每一条线都在此交汇；它与五行之土相连，主健康与安乐。五是其余八个数字围绕运转的枢纽，因此在世事变迁之时赋予您一颗安定的心。五主宰自由、变动，以及坦然面对人生际遇的勇气。当这个数字出现在您的命盘中，您很可能坚韧、温暖、善于适应，在压力下保持冷静，并在他人脚下的地面开始动摇时，帮助他们站稳脚跟。</translation>
    </message>
    <message>
        <source>One 5 in your birth chart indicates that you are balanced, caring and able to stir others into action. Two 5s bring great drive and determination, though you may be stubborn. Three 5s point to a restless spirit that seeks adventure and may speak too quickly. Four or more 5s ask you to slow down and to weigh each choice with care.</source>
        <translation>命盘中有一个 5，表示您性情平和、懂得关怀他人，并能激励他人付诸行动。两个 5 带来强大的干劲与决心，但您可能较为固执。三个 5 表示您生性好动、喜欢冒险，有时可能话说得太快。四个或更多的 5 提醒您放慢脚步，审慎权衡每一个选择。</translation>
    </message>
    <message>
        <source>Number six is the number which represents equilibrium and harmony. It is the number of the home, of love and responsibility, and of the care that holds the family together. In the Lo Shu square it sits in the north-west, the corner of the Metal element, of helpful people and of travel. Six governs creativity and the warmth that you bring to those around you. When this number appears in your chart, you are likely to be devoted, generous and protective, and you find deep meaning in looking after others and in making your surroundings beautiful, peaceful and truly welcoming for everyone who enters them.</source>
        <translation>数字六代表均衡与和谐。它是家庭之数，是爱与责任之数，也是维系一家人的关怀之数。在洛书中，六位于西北方，此方属金，主贵人与出行。六主宰创造力，以及您带给身边人的温暖。当这个数字出现在您的命盘中，您很可能尽心奉献、慷慨大方、乐于守护；照顾他人、把周围环境布置得美丽安宁、让每一位来客都真正感到宾至如归，都能让您找到深刻的意义。</translation>
    </message>
    <message>
        <source>People with one 6 are family lovers who find their joy at home. Two 6s bring a caring but anxious nature, quick to worry about those they love. Three 6s show a creative soul with high ideals.</source>
        <translation>有一个 6 的人热爱家庭，在家中找到快乐。两个 6 带来体贴却容易焦虑的性情，总为所爱的人操心。三个 6 显示出富有创造力、怀抱崇高理想的心灵。</translation>
    </message>
    <message>
        <source>Having four or more 6s mean you are a well balanced but emotional person.</source>
        <translation>有四个或更多的 6，表示您内心平衡，却也感情丰富。</translation>
    </message>
    <message>
        <source>Number seven represents a deep and a practical thinker. It is the number of reflection and learning, and in the Lo Shu square it sits in the west, where it is linked with Metal, joy and children.</source>
        <translation>数字七代表深刻而务实的思考者。它是省思与学习之数；在洛书中，七位于西方，与金相连，主喜悦与子女。</translation>
    </message>
    <message>
        <source>You are calm, quiet and affectionate by nature. You seek the truth behind appearances and are rarely satisfied with easy answers, preferring to study a matter until you grasp it. Life may often teach you through loss and challenge, yet each lesson leaves you wiser, and in time others come to value your thoughtful advice.</source>
        <translation>您天性沉着、安静而重感情。您追寻表象背后的真相，很少满足于简单的答案，宁愿把一件事钻研到真正弄懂为止。人生或许常借失去与挑战来教导您，但每一课都让您更加睿智；久而久之，他人也会珍视您深思熟虑的建议。</translation>
    </message>
    <message>
        <source>Having one 7 in the chart represents that you learn best through your own experience, and that setbacks in love, health or work become your greatest teachers. Two 7s bring a strong interest in spiritual and philosophical questions, along with a rich inner life. Three 7s suggest a person who has known sorrow and loss, yet who draws from them a deep compassion for others. Four or more 7s ask you to take care not to withdraw from the world, and to share your hard-won wisdom with all those who need it.</source>
        <translation>命盘中有一个 7，表示您最能从亲身经历中学习，感情、健康或工作上的挫折会成为您最好的老师。两个 7 带来对心灵与哲学问题的浓厚兴趣，以及丰富的内心世界。三个 7 表示此人经历过悲伤与失去，却从中生出对他人深切的同情。四个或更多的 7 提醒您注意不要与世隔绝，并把来之不易的智慧分享给所有需要的人。</translation>
    </message>
    <message>
        <source>Number eight represents patience, perseverance and wisdom. It is considered one of the most fortunate of all numbers, for its sound recalls the word for prosperity, and it promises that steady and honest effort will in time bear rich fruit. In the Lo Shu square it sits in the north-east, the corner of the Earth element and of knowledge and self-cultivation. Eight governs method, attention to detail and a strong sense of justice and fairness. When this number appears in your chart, you are likely to be dependable, loyal and discerning, a person who thinks carefully before acting and who earns respect through quiet competence rather than loud words or hasty promises.</source>
        <translation>数字八代表耐心、毅力与智慧。它被视为最吉利的数字之一，因为它的读音近似“发”，寓意兴旺发达，预示踏实诚恳的努力终将结出丰硕的果实。在洛书中，八位于东北方，此方属土，主学识与修身。八主宰条理、对细节的关注，以及强烈的正义感与公平心。当这个数字出现在您的命盘中，您很可能可靠、忠诚、有洞察力，三思而后行，凭借沉稳的实力而非高调的言辞或草率的承诺赢得尊重。</translation>
    </message>
    <message>
        <source>People with a single 8 in their birth chart are determined and orderly, and they like to see every task through. Two 8s bring a keen eye for detail and a love of order. Three or more 8s suggest great ambition, but you may often find it hard to relax.</source>
        <translation>命盘中只有一个 8 的人意志坚定、做事有条理，喜欢把每件事都做到底。两个 8 带来明察细节的眼光与对秩序的热爱。三个或更多的 8 表示雄心勃勃，但您可能常常难以放松。</translation>
    </message>
    <message>
        <source>Number nine represents an extraordinary energy level. It is the highest of the single numbers, and it stands for completion, vision and the wisdom that comes at the end of a long journey. In the Lo Shu square it sits in the south, linked with Fire and with fame and recognition. When this number appears in your chart, you are likely to be idealistic, ambitious and generous, with a wish to help others and to leave the world a better place than you found it.</source>
        <translation>数字九代表非凡的能量。它是个位数中最大的数字，象征圆满、远见，以及漫长旅程终点所得的智慧。在洛书中，九位于南方，与火相连，主名声与认可。当这个数字出现在您的命盘中，您很可能怀抱理想、富有抱负且慷慨大方，希望帮助他人，让世界因您而变得更美好。</translation>
    </message>
    <message>
        <source>A person with a single 9 in his chart is idealistic and has a broad, humane outlook. Two 9s give a sharp mind and a tendency to judge others harshly. Three or more 9s suggest a brilliant but restless soul.</source>
        <translation>命盘中只有一个 9 的人怀抱理想，眼界开阔，富有人文关怀。两个 9 带来敏锐的头脑，但也容易苛刻地评判他人。三个或更多的 9 表示才华横溢却难以安定的灵魂。</translation>
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
        <translation>个人资料</translation>
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
        <translation>请输入您的姓名</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>请输入正确的日期或月份！</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>请输入正确的日期或月份！</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Select the source file</source>
        <translation>选择要打开的文件</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>请检查该文件。</translation>
    </message>
</context>
<context>
    <name>ProductTexts</name>
    <message>
        <source>Numerology is an age old subject, the origin of which is unknown till date; Chinese numerology has its roots in the Lo Shu square, a magic square of nine numbers said to have appeared on the shell of a turtle rising from the River Lo. Its rows read 4 9 2, 3 5 7 and 8 1 6, and every row, column and diagonal adds up to fifteen. By placing the digits of your date of birth on this square, Numorra builds your birth chart and finds your most favourable number, revealing the strengths and the lessons it has for you.</source>
        <translation>数字命理是一门古老的学问，起源至今无从考证。中国数字命理源于洛书——相传洛水中浮出的神龟背上所现的九数幻方。洛书三行依次为 4 9 2、3 5 7、8 1 6，每行、每列及对角线之和皆为十五。Numorra 将您出生日期的各位数字排入洛书，绘出您的命盘，找出您的最吉数字，揭示它带给您的长处与课题。</translation>
    </message>
    <message>
        <source>Just input your name and date of birth and get to know your lucky Chinese Numerology Number!</source>
        <translation>只需输入您的姓名和出生日期，即可得知您在中国数字命理中的幸运数字！</translation>
    </message>
    <message>
        <source>Numorra is an excellent and thought provoking program. From your name and date of birth it builds your Lo Shu birth chart, finds your most favourable number and direction, and describes your feng shui element and trigram. You can print a neat report of your reading and save readings to return to later. Numorra is meant for reflection and entertainment, a gentle invitation to think about yourself in a new light.</source>
        <translation>Numorra 是一款出色而发人深省的软件：根据您的姓名和出生日期绘制洛书命盘，找出最吉数字与方位，并介绍您的风水五行与卦象。您可打印整洁的解读报告，也可保存解读，日后再看。Numorra 旨在供您自我省思、轻松娱乐，温和地邀您以全新的眼光看待自己。</translation>
    </message>
    <message>
        <source>Join our numerology community at numorra.example.org</source>
        <translation>欢迎加入我们的命理社区：numorra.example.org</translation>
    </message>
    <message>
        <source>Share your reading and meet fellow enthusiasts in our numerology community online</source>
        <translation>来我们的线上命理社区分享您的解读，结识志同道合的爱好者</translation>
    </message>
    <message>
        <source>Discuss your report in our numerology community</source>
        <translation>到我们的命理社区讨论您的报告</translation>
    </message>
    <message>
        <source>Visit numorra.example.org</source>
        <translation>访问 numorra.example.org</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
找不到文件。
请确认文件名是否正确。</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>found no private folder for its instance lock (in XDG_RUNTIME_DIR or ~/.cache); this Numorra runs on its own, and later starts cannot reach it</source>
        <translation>找不到存放实例锁的私有文件夹（在 XDG_RUNTIME_DIR 或 ~/.cache 中）；本 Numorra 将单独运行，之后的启动无法与它联系</translation>
    </message>
</context>
<context>
    <name>ReadingFolder</name>
    <message>
        <source>that name and the %1 before it are all taken</source>
        <translation>该名称及其前面的 %1 个名称都已被占用</translation>
    </message>
</context>
<context>
    <name>ReadingResults</name>
    <message>
        <source>FengShui nnnn</source>
        <translation>风水 nnnn</translation>
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
        <translation>五行说明</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>关系</translation>
    </message>
    <message>
        <source>East</source>
        <translation>东四命</translation>
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
        <translation>离</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>巽</translation>
    </message>
    <message>
        <source>Tui</source>
        <translation>兑</translation>
    </message>
</context>
<context>
    <name>RelationshipPane</name>
    <message>
        <source>Relationship analysis</source>
        <translation>关系分析</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Report Generated By %1</source>
        <translation>本报告由 %1 生成</translation>
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
        <translation>Numorra 报告</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>
Try &apos;numorra-report --help&apos; for more.</source>
        <translation>
请运行“numorra-report --help”了解更多信息。</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>无法写入输出</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: 无法写入：%2</translation>
    </message>
    <message>
        <source>no installed font can draw %1 in the name &quot;%2&quot;; the PDF shows a box in place of each (a Chinese font such as fonts-noto-cjk draws Chinese names)</source>
        <translation>没有任何已安装的字体能够绘制姓名“%2”中的 %1；PDF 中每个这样的字符都显示为一个方框（fonts-noto-cjk 等中文字体可以绘制中文姓名）</translation>
    </message>
    <message>
        <source>no installed font can draw %1 in the name &quot;%2&quot;; the PDF shows a box in place of each</source>
        <translation>没有任何已安装的字体能够绘制姓名“%2”中的 %1；PDF 中每个这样的字符都显示为一个方框</translation>
    </message>
    <message>
        <source>--save: %1 is not a folder that can be written to</source>
        <translation>--save：%1 不是可写入的文件夹</translation>
    </message>
    <message>
        <source>saved as %1</source>
        <translation>已保存为 %1</translation>
    </message>
    <message>
        <source>row %1: </source>
        <translation>第 %1 行：</translation>
    </message>
    <message>
        <source>argument %1 holds bytes that are not UTF-8 text</source>
        <translation>第 %1 个参数含有不是 UTF-8 文本的字节</translation>
    </message>
    <message>
        <source>standard output is a terminal: --pdf - needs a file or a pipe</source>
        <translation>标准输出是终端：--pdf - 需要一个文件或管道</translation>
    </message>
</context>
<context>
    <name>ReportOptions</name>
    <message>
        <source>--%1 must be %2, not &quot;%3&quot;</source>
        <translation>--%1 必须是%2，而不是“%3”</translation>
    </message>
    <message>
        <source>a date YYYY-MM-DD from 1900-01-01 to 2050-12-31</source>
        <translation>格式为 YYYY-MM-DD 且介于 1900-01-01 和 2050-12-31 之间的日期</translation>
    </message>
    <message>
        <source>a day 1 to 31</source>
        <translation>介于 1 和 31 之间的日期数字</translation>
    </message>
    <message>
        <source>a month name (January to December) or a number 1 to 12</source>
        <translation>英文月份名称（January 至 December）或数字 1 至 12</translation>
    </message>
    <message>
        <source>a year 1900 to 2050</source>
        <translation>介于 1900 和 2050 之间的年份</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>--pdf needs the name of the file to write, or - for standard output</source>
        <translation>--pdf 需要指定要写入的文件名，或用 - 表示标准输出</translation>
    </message>
    <message>
        <source>--json and --pdf - cannot both go to standard output</source>
        <translation>--json 和 --pdf - 不能同时输出到标准输出</translation>
    </message>
    <message>
        <source>give the date of birth either as --date or as --day, --month and --year, not both</source>
        <translation>出生日期请用 --date 给出，或用 --day、--month 和 --year 给出，两种方式不能同时使用</translation>
    </message>
    <message>
        <source>give either the details (--name, --date or --day, --month, --year) or reading files, not both</source>
        <translation>请给出个人资料（--name、--date 或 --day、--month、--year）或解读文件，二者不能同时给出</translation>
    </message>
    <message>
        <source>the name is longer than the %1 characters the name field holds</source>
        <translation>姓名超出了姓名栏可容纳的 %1 个字符</translation>
    </message>
    <message>
        <source>--name must be one line: it holds a line break</source>
        <translation>--name 必须只占一行：其中含有换行符</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 被指定了多次</translation>
    </message>
    <message>
        <source>Details, as the main window takes them:</source>
        <translation>个人资料（与主窗口的输入方式相同）：</translation>
    </message>
    <message>
        <source>A saved reading is opened as the Open button opens it: each of its day, month
and year that is not an entry of the lists leaves that list at its default.
</source>
        <translation>已保存的解读按“打开”按钮的方式打开：其中的日、月、年若不是列表中的选项，
相应的列表保持默认值。
</translation>
    </message>
    <message>
        <source>Client list:</source>
        <translation>客户名单：</translation>
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
        <translation>客户名单是 UTF-8 文本（可带或不带字节顺序标记），每行一位客户，单元格之间
以逗号、分号或制表符分隔（以第一行所用的为准），并按电子表格的方式加引号。
各列依次为：姓名，然后是出生日期（YYYY-MM-DD，或用户区域设置的短日期格式，
年份为四位数），或者日、月、年三列，取值方式与 --day、--month、--year 相同。
第一行若写明各列名称（Name、Date of Birth，或 Day、Month、Year），即为标题
行，此时各列可按任意顺序排列；其他列会被忽略。每一行都按主窗口的方式检查
个人资料；未通过的行会连同行号一起指出，其余各行照常输出。
带标题行与不带标题行的示例：
  Name,Date of Birth,Phone         Anna Lee;5;March;1980
  Anna Lee,1980-03-05,555 0101     &quot;Lee, Bo&quot;;1;1;1911
</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>输出：</translation>
    </message>
    <message>
        <source>the name, on one line; leading and trailing spaces are
dropped</source>
        <translation>姓名，只能占一行；开头和结尾的空格会被去掉</translation>
    </message>
    <message>
        <source>date of birth, 1900-01-01 to 2050-12-31; or, apart:</source>
        <translation>出生日期，1900-01-01 至 2050-12-31；也可分开给出：</translation>
    </message>
    <message>
        <source>day of birth, 1 to 31 (default 1)</source>
        <translation>出生日，1 至 31（默认为 1）</translation>
    </message>
    <message>
        <source>month of birth: its English name in any case, or 1 to 12
(default January)</source>
        <translation>出生月份：英文月份名称（不区分大小写），或 1 至 12
（默认为 January）</translation>
    </message>
    <message>
        <source>year of birth, 1900 to 2050 (default 1970)</source>
        <translation>出生年份，1900 至 2050（默认为 1970）</translation>
    </message>
    <message>
        <source>a reading for each row of LIST.csv, a spreadsheet saved as
CSV (below); - reads the list from standard input</source>
        <translation>为 LIST.csv（另存为 CSV 的电子表格，见下文）中的每一行
输出一份解读；- 表示从标准输入读取名单</translation>
    </message>
    <message>
        <source>print the reading as JSON (below) instead of the report</source>
        <translation>以 JSON 格式（见下文）输出解读，而不输出报告</translation>
    </message>
    <message>
        <source>write the report as printed to OUT.pdf, not to standard
output (with --json, the JSON still goes there); each
reading starts a new page. An existing OUT.pdf is replaced
only once the new one is complete, and is left as it was
if that fails. --pdf - writes the PDF to standard output.</source>
        <translation>将打印版报告写入 OUT.pdf，而不是写到标准输出（同时使用
--json 时，JSON 仍写到标准输出）；每份解读从新的一页开始。
已有的 OUT.pdf 只有在新文件完整写好后才会被替换；若写入
失败，原文件保持不变。
--pdf - 将 PDF 写到标准输出。</translation>
    </message>
    <message>
        <source>also save each reading in FOLDER as a reading file (.qnr)
that Numorra opens, named after the name, the date of birth
and the row of the list; no file there is ever replaced</source>
        <translation>同时将每份解读以 Numorra 可打开的解读文件（.qnr）保存到
FOLDER，文件名取自姓名、出生日期和名单中的行号；
该文件夹中已有的文件绝不会被替换</translation>
    </message>
    <message>
        <source>name each reading file saved, on standard error</source>
        <translation>在标准错误输出中列出保存的每个解读文件</translation>
    </message>
    <message>
        <source>print this help</source>
        <translation>显示此帮助信息</translation>
    </message>
    <message>
        <source>print the version, with the package&apos;s name</source>
        <translation>显示版本号及软件包名称</translation>
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
        <translation>退出状态：
  0  所有报告均已写出
  1  某个文件或名单不存在、无法读取、是文件夹、名称不以 qnr 结尾、不是已保
     存的解读或不是名单，名单中的某行被拒绝（附带程序自己的提示）或含有列表
     中没有的日期，某份解读无法保存，输出无法写入，已安装的字体都无法绘制
     PDF 中姓名的某个字符（该处显示为方框，并指明该字符），或者某个计算步骤
     失败（并指明该步骤）；其余文件和行仍会照常输出报告
  2  用法错误、列表中没有的日期、含换行符的姓名，或程序拒绝的个人资料（附带
     程序自己的提示，如“请输入您的姓名”“请输入正确的日期或月份！”）
多个文件失败时，退出状态取其中的最大值。
</translation>
    </message>
    <message>
        <source>--save needs the folder to save the readings in</source>
        <translation>--save 需要指定保存解读的文件夹</translation>
    </message>
    <message>
        <source>--list takes the details from the list: give no other details or reading files with it</source>
        <translation>--list 从名单中获取个人资料：请勿同时给出其他个人资料或解读文件</translation>
    </message>
    <message>
        <source>nothing to report: give --name and the date of birth, reading files or --list</source>
        <translation>没有可输出的报告：请给出 --name 和出生日期、解读文件或 --list</translation>
    </message>
    <message>
        <source>--list needs the name of the list to read, or - for standard input</source>
        <translation>--list 需要指定要读取的名单，或用 - 表示标准输入</translation>
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
        <translation>用法：numorra-report [选项]... --name NAME [--date YYYY-MM-DD]
      numorra-report [选项]... --name NAME [--day D] [--month M] [--year Y]
      numorra-report [选项]... FILE.qnr...
      numorra-report [选项]... --list LIST.csv

为所给的个人资料、每个已保存的解读（.qnr 文件；- 表示从标准输入读取一个）或
客户名单中的每一行，输出中国数字命理解读的报告，内容与 Numorra 报告预览中
显示的完全相同。
</translation>
    </message>
    <message>
        <source>The report is printed with LF line ends; several reports are parted by a line
holding a form feed. The date of birth is written in the short date format of
the user&apos;s locale (LC_ALL, LC_TIME, LANG) with a four-digit year. No display is
needed, not even for the PDF. When standard error is a terminal that the
readings do not go to, a run that lasts over a second shows its progress there.
</source>
        <translation>报告输出时以 LF 作为行尾；多份报告之间以只含一个换页符的行分隔。出生日期按
用户区域设置（LC_ALL、LC_TIME、LANG）的短日期格式书写，年份为四位数。不需要
图形显示环境，生成 PDF 时也不需要。标准错误输出为终端、且解读本身不输出到该
终端时，运行超过一秒会在那里显示进度。
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
        <translation>JSON：每份解读输出一个对象；指定了多个文件或读取名单时，则输出一个数组，
按顺序每个文件或每行一项；处理失败的文件或行对应一项
{&quot;error&quot;: REASON, &quot;file&quot;: FILE}，行还带有 &quot;row&quot;: N。各键按字母顺序排列：
  {
    &quot;birthDate&quot;: &quot;1980-03-05&quot;,      ISO 8601
    &quot;birthDigits&quot;: &quot;531980&quot;,        参与计数的日、月份数字和年份
    &quot;counts&quot;: {&quot;1&quot;: 1, &quot;2&quot;: 0, ..., &quot;9&quot;: 1},
                                    各数字在这些数字中出现的次数
    &quot;favourable&quot;: [                 最吉数字，按升序排列
      {&quot;number&quot;: 1, &quot;occurrences&quot;: 1, &quot;direction&quot;: &quot;North&quot;}, ...
    ],                              （5 没有方位，其 direction 为 null）
    &quot;fengShui&quot;: {&quot;number&quot;: 2, &quot;group&quot;: &quot;West&quot;, &quot;element&quot;: &quot;Earth&quot;,
                 &quot;trigram&quot;: &quot;Kun&quot;},
    &quot;file&quot;: &quot;anna.qnr&quot;,             解读文件或名单；使用 --name 时为 null
    &quot;name&quot;: &quot;Anna Lee&quot;,             计算所用的姓名
    &quot;row&quot;: 2,                       名单中的行号（仅用于 --list）
    &quot;saved&quot;: &quot;out/Anna Lee 1980-03-05.qnr&quot;
                                    保存的文件（仅用于 --save；无法写入
                                    时为 null）
  }
</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Numorra report: %1</source>
        <translation>Numorra 报告：%1</translation>
    </message>
    <message>
        <source>a PDF needs a QGuiApplication for its fonts</source>
        <translation>生成 PDF 需要 QGuiApplication 来提供字体</translation>
    </message>
    <message>
        <source>standard output takes no PDF here</source>
        <translation>此处无法将 PDF 写到标准输出</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>numorra-report: %1 of %2 readings</source>
        <translation>numorra-report: 已完成 %1/%2 份解读</translation>
    </message>
    <message>
        <source>numorra-report: %1 readings</source>
        <translation>numorra-report: 已完成 %1 份解读</translation>
    </message>
</context>
<context>
    <name>SavedReading</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>is a folder, not a reading file</source>
        <translation>是文件夹，不是解读文件</translation>
    </message>
    <message>
        <source>not a reading file (its name must end in &quot;qnr&quot;)</source>
        <translation>不是解读文件（文件名必须以“qnr”结尾）</translation>
    </message>
    <message>
        <source>not a saved reading</source>
        <translation>不是已保存的解读</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Calculate My &amp;Favourable Number</source>
        <translation>推算我的吉数(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>打开以前保存的解读(&amp;O)</translation>
    </message>
    <message>
        <source>Calculate My &amp;Favourable Number By Chinese Numerology</source>
        <translation>用中国数字命理推算我的吉数(&amp;F)</translation>
    </message>
</context>
<context>
    <name>frmNineStar</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Nine Star Ki Chart</source>
        <translation>九星气学命盘</translation>
    </message>
    <message>
        <source>Nine Star Ki Element</source>
        <translation>九星气学五行</translation>
    </message>
    <message>
        <source>Nine Star Ki Relationship Analysis</source>
        <translation>九星气学关系分析</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Export PDF</source>
        <translation>导出 PDF(&amp;E)</translation>
    </message>
    <message>
        <source>The report was not printed: the system&apos;s print service (CUPS) could not be found.

Install CUPS (the package libcups2), then print again.</source>
        <translation>报告未打印：找不到系统的打印服务（CUPS）。

请安装 CUPS（软件包 libcups2），然后重新打印。</translation>
    </message>
    <message>
        <source>The report was not printed: there is no default printer.

Make a printer the default in your system&apos;s printer settings, then print again.</source>
        <translation>报告未打印：没有默认打印机。

请在系统的打印机设置中将一台打印机设为默认打印机，然后重新打印。</translation>
    </message>
    <message>
        <source>The report was not printed: the printer did not accept it.

Check the printer in your system&apos;s printer settings, then print again.</source>
        <translation>报告未打印：打印机未接受打印任务。

请在系统的打印机设置中检查该打印机，然后重新打印。</translation>
    </message>
    <message>
        <source>The report was not printed: the document for the printer could not be written to the temporary folder &quot;%1&quot;.

Make room there or check that it can be written to, then print again.</source>
        <translation>报告未打印：无法将要发送给打印机的文档写入临时文件夹“%1”。

请在该文件夹中腾出空间，或检查它是否可以写入，然后重新打印。</translation>
    </message>
    <message>
        <source>Nine Star Ki Astrology (*.qfs)|*.qfs</source>
        <translation>九星气学文件 (*.qfs)|*.qfs</translation>
    </message>
    <message>
        <source>Export the report as PDF</source>
        <translation>将报告导出为 PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)|*.pdf</source>
        <translation>PDF 文档 (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>They will see no name.</source>
        <translation>这些程序将看不到姓名。</translation>
    </message>
    <message>
        <source>They will see it as &quot;%1&quot;.</source>
        <translation>这些程序看到的姓名将是“%1”。</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; holds characters that other programs reading this file cannot show. %2 Numorra itself keeps the whole name.

Save the reading anyway?</source>
        <translation>姓名“%1”包含其他程序读取此文件时无法显示的字符。%2Numorra 本身会保留完整的姓名。

仍要保存该解读吗？</translation>
    </message>
    <message>
        <source>The reading could not be saved as &quot;%1&quot;.

%2</source>
        <translation>无法将解读保存为“%1”。

%2</translation>
    </message>
    <message>
        <source>A file that was already there is left as it was.</source>
        <translation>原先已存在的文件保持不变。</translation>
    </message>
    <message>
        <source>The report could not be exported as &quot;%1&quot;.

%2</source>
        <translation>无法将报告导出为“%1”。

%2</translation>
    </message>
    <message>
        <source>The report was not printed: the print service (CUPS) did not answer.

Check that it is running, then print again.</source>
        <translation>报告未打印：打印服务（CUPS）没有响应。

请检查它是否正在运行，然后重新打印。</translation>
    </message>
    <message>
        <source>The report waits in the printer&apos;s queue: the printer is stopped.

Start the printer again in your system&apos;s printer settings.</source>
        <translation>报告正在打印机的队列中等待：打印机已停止。

请在系统的打印机设置中重新启动打印机。</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>本软件可能有可用的更新。<byte value="xd"/>是否要检查更新？</translation>
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
        <translation>东</translation>
    </message>
    <message>
        <source>South-East</source>
        <translation>东南</translation>
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
        <translation>东北</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南</translation>
    </message>
    <message>
        <source>Number of occurrence: %1</source>
        <translation>出现次数：%1</translation>
    </message>
    <message>
        <source>Most Favorable Direction by Chinese Numerology</source>
        <translation>中国数字命理推算的最吉方位</translation>
    </message>
    <message>
        <source>Most Favorable Number by Chinese Numerology</source>
        <translation>中国数字命理推算的最吉数字</translation>
    </message>
</context>
</TS>
